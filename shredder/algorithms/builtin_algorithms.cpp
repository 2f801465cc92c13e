#include "shredder/algorithms/algorithm.h"

namespace shredder {

namespace {

Pass PatternPass(std::vector<unsigned char> bytes) { return {PassKind::Pattern, std::move(bytes)}; }
Pass RandomPass() { return {PassKind::Random, {}}; }
Pass ComplementPass() { return {PassKind::Complement, {}}; }

const char kNavsoText[] =
    "Navy Staff Office Publication (NAVSO Pub) 5239, \"Information Systems Security (INFOSEC) "
    "Program Guidelines\" is issued by the Naval Information Systems Management Center. "
    "It describes overwriting for drives of the two recording encodings: MFM (modified frequency "
    "modulation) and RLL (run length limited). ";

}  // namespace

void AddBuiltInAlgorithms(AlgorithmTable& table) {
    table.push_back({"Quick Shred", "The fastest but the least secured data destruction algorithm.",
                     {PatternPass({0x00})}, false});
    table.push_back({"U.S. Standard, DoD 5220.22-M",
                     "U.S. Department of Defence specifies a triple pass overwrite algorithm in "
                     "the DoD 5220.22-M specification.",
                     {RandomPass(), ComplementPass(), RandomPass()}, false});
    table.push_back({"NAVSO P-5239-26 (RLL)",
                     std::string(kNavsoText) +
                         "If you are uncertain as to the drive encoding technique, use this pattern.",
                     {PatternPass({0x01}), PatternPass({0x27, 0xFF, 0xFF, 0xFF}), RandomPass()},
                     false});
    table.push_back({"NAVSO P-5239-26 (MFM)",
                     std::string(kNavsoText) + "This algorithm implements MFM pattern.",
                     {PatternPass({0x01}), PatternPass({0x7F, 0xFF, 0xFF, 0xFF}), RandomPass()},
                     false});
    table.push_back({"German Standard, VSITR",
                     "According to VSITR (instruction #11, 29th, Nov. 1999), issued by Bundesamt fuer "
                     "Sicherheit in der Informationstechnik (BSI), each sector will be overwritten "
                     "with three alternating patterns of 00 and FF and in last pass with AA.",
                     {PatternPass({0x00}), PatternPass({0xFF}), PatternPass({0x00}),
                      PatternPass({0xFF}), PatternPass({0x00}), PatternPass({0xFF}),
                      PatternPass({0xAA})},
                     false});
}

std::string ByteToHex(unsigned char byte) {
    static const char kDigits[] = "0123456789ABCDEF";
    return std::string{kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::string PatternText(const std::vector<unsigned char>& pattern) {
    std::string text = " 0x";
    for (unsigned char byte : pattern) text += ByteToHex(byte);
    return text;
}

}  // namespace shredder
