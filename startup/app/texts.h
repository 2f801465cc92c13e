#pragma once
// The message texts the windows share, by language key with their English
// defaults, and the program's fixed names.
#include <string>

#include "common/lang/text_source.h"

namespace startup {

constexpr char kAppTitle[] = "Velmora Ferrowend";

struct MessageKey {
    const char* key;
    const char* english;
};

constexpr MessageKey kMsgEmptyField = {"411", "Please fill in the task name and its location."};
constexpr MessageKey kMsgRegistryWarning = {
    "412",
    "Changing the registry by hand can stop Windows or your programs from working. Open the "
    "Registry Editor anyway?"};
constexpr MessageKey kMsgRegistryCaption = {"425", "Warning"};
constexpr MessageKey kMsgReplaceLive = {
    "435",
    "This disabled entry has a live entry of the same name in its place again. Put the disabled "
    "one back in its place, replacing the live one?"};
constexpr MessageKey kMsgReplaceOnAdd = {
    "436",
    "An entry of this name is in this place already; the new one replaces it when you apply. "
    "Add it anyway?"};
constexpr MessageKey kMsgNoHelp = {"437", "Cannot locate HTML Help file Olvendt.chm"};

inline std::string MessageText(const lang::TextSource& texts, const MessageKey& message) {
    return texts.Text(message.key, message.english);
}

}  // namespace startup
