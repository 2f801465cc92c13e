#pragma once
// One pass of a dialog's field exchange: members to controls (loading) or
// controls to members with validation (saving). A refused field is reported
// to the user, gets the focus, and ends the pass: later fields are left
// alone and UpdateData answers false.
#include <string>

namespace ui {

class Dialog;
class Window;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}

    bool Saving() const { return save_; }
    bool Failed() const { return failed_; }

    // Edit text; maxChars > 0 limits the edit and refuses longer text.
    void Text(int id, std::string& value, int maxChars = 0);
    // A whole number in minimum..maximum; anything else is refused with a
    // prompt naming the range.
    void Int(int id, int& value, int minimum, int maximum);
    // Check box state (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
    void Check(int id, int& value);
    // Radio group starting at firstId: index of the checked button, -1 none.
    void Radio(int firstId, int& value);
    // Binds the control to its object (subclassed) the first time.
    void Control(int id, Window& control);

private:
    void Refuse(int id, const std::string& message);

    Dialog& dialog_;
    bool save_;
    bool failed_ = false;
};

}  // namespace ui
