#pragma once
// A static control that behaves as a web link: coloured (and underlined)
// text, a hand cursor, a tool tip with its address, opened with the shell
// when clicked or when the space bar is pressed on it. Bind it to a dialog's
// static with Attach; the dialog's own colours stay for everything else.
#include <windows.h>

#include <string>

#include "platform/ui/gdi.h"
#include "platform/ui/window.h"

namespace ui {

class HyperLink : public Window {
public:
    // Style bits.
    static constexpr DWORD kUnderline = 0x01;
    static constexpr DWORD kHoverColor = 0x02;
    static constexpr DWORD kSizeToText = 0x04;
    static constexpr DWORD kFollowOnDown = 0x08;   // else on button up
    static constexpr DWORD kFocusOnClick = 0x10;
    static constexpr DWORD kNoHandCursor = 0x20;
    static constexpr DWORD kNoActiveColor = 0x40;

    struct Colors {
        COLORREF link = RGB(0, 0, 255);
        COLORREF hover = RGB(255, 0, 0);
        COLORREF active = RGB(0, 128, 128);
        COLORREF visited = RGB(128, 0, 128);
    };

    explicit HyperLink(DWORD style = kUnderline | kSizeToText | kFocusOnClick) : style_(style) {}
    ~HyperLink() override;

    // Binds the dialog's static `id`. An empty control text becomes the
    // address; a control without text shows the address.
    bool Attach(HWND dialog, int id);

    // The address; the text, size and tool tip follow while the control is hidden.
    void SetURL(const std::string& url);
    const std::string& URL() const { return url_; }
    void SetColors(const Colors& colors) { colors_ = colors; }
    // False when a bit is both removed and added.
    bool ModifyLinkStyle(DWORD remove, DWORD add, bool redraw = true);
    DWORD LinkStyle() const { return style_; }
    bool Visited() const { return visited_; }
    bool Hovering() const { return hovering_; }
    // The colour the text is drawn in now.
    COLORREF TextColor() const;

    // Opens the address: through the shell, else with the program that opens
    // .htm files. Success marks the link visited; failure beeps.
    bool Follow();
    // How the opened program's window is shown (SW_SHOW unless set).
    void SetShowCommand(int show) { show_ = show; }
    // The link's tip window (owned by the dialog), null before Attach or
    // when the system made none.
    HWND ToolTip() const { return toolTip_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    HBRUSH OnReflectedCtlColor(UINT msg, HDC dc) override;

private:
    void BuildFont();
    void SizeToText();
    void UpdateToolTip();
    void Redraw() const;
    void OnMouseMove(POINT point);
    void OnClick(bool down);

    DWORD style_;
    Colors colors_;
    std::string url_;
    Font font_;
    HWND toolTip_ = nullptr;
    bool hovering_ = false;
    bool active_ = false;
    bool visited_ = false;
    int show_ = SW_SHOW;
};

// The hand the links show: the help program's cursor when present, else the
// system's hand, else the arrow. Never null.
HCURSOR LinkCursor();

// The command line that opens `url` with a program's registered open
// command: cut before the first "%1" (with its opening quote when quoted),
// then a blank and the address.
std::string BrowserCommandFor(const std::string& openCommand, const std::string& url);

}  // namespace ui
