#pragma once
// Every text of the program: its language-file key and its English
// default ("*" stands for a line break, as in the language files).
#include "tuning/lang_texts.h"

namespace tuning {
namespace texts {

// Phrases appended to the explanations.
constexpr TextKey kMilliseconds{"1", "milliseconds"};
constexpr TextKey kWasSetTo{"2", "was set to"};
constexpr TextKey kIsNotSet{"3", "isn't set."};
constexpr TextKey kBytes{"4", "bytes"};
constexpr TextKey kIsDisabled{"5", "is currently disabled."};
constexpr TextKey kIsEnabled{"6", "is currently enabled."};
constexpr TextKey kSeconds{"7", "seconds"};
constexpr TextKey kWasSetToOption{"8", "was set to option"};

// Messages and titles.
constexpr TextKey kRwinRange{"9", "Valid range of RWIN is from MSS to 1073741823."};
constexpr TextKey kTitle{"18", "Velmora Surgewind"};
constexpr TextKey kApplied{"41",
                           "Congratulation, Velmora Surgewind has boosted your internet "
                           "connections.*Please, restart your computer in order to feel the change."};
constexpr TextKey kReset{"42",
                         "Velmora Surgewind has reset your system to the backup settings.*Please, "
                         "restart your computer in order to feel the change."};
constexpr TextKey kOverwriteBackup{
    "43",
    "Now, your old connection settings saved as backup will be overwritten with the current "
    "settings as they will be the new backup.*Do you want to proceed?"};
constexpr TextKey kUnknownWindows{
    "79", "Failed to detect your Windows version so we can't boost your connection."};
// Shown untranslated, as the reset's own failure message is.
constexpr char kResetFailed[] = "Failed to reset your connection settings.";
constexpr TextKey kResetPartly{
    "44",
    "Failed to reset your connection settings.*%d values could not be restored; the backup has "
    "been kept, so you can try again."};
constexpr TextKey kResetBackupLeft{
    "48",
    "Velmora Surgewind has reset your system to the backup settings, but the backup itself could "
    "not be removed; Reset can be run again to remove it.*Please, restart your computer in order "
    "to feel the change."};
constexpr TextKey kApplyPartly{"45",
                               "%d connection settings could not be written.*You may need to log "
                               "on as an administrator and run the wizard again."};
constexpr TextKey kApplyUnsaved{
    "46",
    "%d connection settings were left as they are: they could not be saved as backup, so Reset "
    "could not put them back."};
constexpr TextKey kBackupIncomplete{
    "47",
    "%d of your current connection settings could not be saved as backup.*The wizard will leave "
    "them as they are."};

// Step captions (wizard title), NT family then 9x family.
constexpr TextKey kStepsNT[] = {
    {"21", "Step 1 of 8 : Choose Connection Type"},
    {"22", "Step 2 of 8 : Specify MTU Settings"},
    {"23", "Step 3 of 8 : Other MTU Settings"},
    {"24", "Step 4 of 8 : RWIN Setting"},
    {"25", "Step 5 of 8 : TTL && Internet Explorer Optimization"},
    {"26", "Step 6 of 8 : Keep Alive Settings"},
    {"27", "Step 7 of 8 : SYN Flood Attack Setting"},
    {"28", "Step 8 of 8 : ICMP Redirect Attack Setting"},
};
constexpr TextKey kSteps9x[] = {
    {"30", "Step 1 of 6 : Choose Connection Type"},
    {"31", "Step 2 of 6 : Specify MTU Settings"},
    {"32", "Step 3 of 6 : Other MTU Settings"},
    {"33", "Step 4 of 6 : RWIN Setting"},
    {"34", "Step 5 of 6 : TTL && Internet Explorer Optimization"},
    {"35", "Step 6 of 6 : Keep Alive Settings"},
};
constexpr TextKey kModemStep{"29", "Boost the Modem"};

// Wizard buttons.
constexpr TextKey kBackButton{"ID_WIZBACK", "< &Back"};
constexpr TextKey kNextButton{"ID_WIZNEXT", "&Next >"};
constexpr TextKey kCancelButton{"IDCANCEL", "Cancel"};

// Main dialog and About box.
constexpr TextKey kIntroduction{
    "IDC_static_Introduction",
    "Do web pages take long to start loading?*Do your downloads stay below the speed your "
    "provider promises?*Does your connection seem slower than your friends' on the same "
    "line?**Velmora Surgewind sets the TCP/IP values of Windows for the kind of connection you "
    "have, step by step."};
constexpr TextKey kHint{
    "IDC_HINT",
    "Note: before anything is changed, the settings found on your computer are saved. The "
    "Reset Connection Settings button puts them back."};
constexpr TextKey kSetButton{"IDC_SET_SETTINGS", "&Set Connection Settings"};
constexpr TextKey kResetButton{"IDC_RESET_SETTINGS", "&Reset Connection Settings"};
constexpr TextKey kLanguage{"IDC_Language", "Language"};
constexpr TextKey kOk{"IDOK", "OK"};
constexpr TextKey kVersion{"IDC_STATIC2", "Version"};

// Page 1.
constexpr TextKey kConnectionQuestion{"IDC_static_step2_Explain",
                                      "How do you connect to the internet?"};
constexpr TextKey kDialUp{"IDC_step2_RADIO_DialUp", "Dial Up Connection (&Modem)."};
constexpr TextKey kCableModem{"IDC_step2_RADIO_CableModem", "&Cable Modem."};
constexpr TextKey kDsl{"IDC_step2_RADIO_DSL", "&Digital Subscriber Line (DSL)."};
constexpr TextKey kLan{"IDC_step2_RADIO_LAN", "&LAN Connection (Ethernet)."};

// Page 2.
constexpr TextKey kMtuExplain{
    "IDC_static_step3_MTUExplain",
    "MTU (Maximum Transmission Unit) is the largest packet, in bytes, that your connection "
    "sends in one piece. A packet larger than a router on the way accepts must be split, which "
    "slows the transfer down.**MTU"};
constexpr TextKey kMssExplain{
    "IDC_static_step3_MSSExplain",
    "MSS (Maximum Segment Size) is the largest block of data one TCP packet carries: the MTU "
    "less 40 bytes of TCP and IP headers.**MSS"};
constexpr TextKey kRecommendedMtu{"IDC_static_RecommendedMTU",
                                  "Recommended MTU size  :  %d bytes."};
constexpr TextKey kRecommendedMss{"IDC_static_RecommendedMSS",
                                  "Recommended MSS size  :  %d bytes."};

// Page 3.
constexpr TextKey kMtuDiscoveryExplain{
    "IDC_static_step4_MTUDiscoveryExplain",
    "With path MTU discovery, Windows finds the largest packet that reaches a remote network "
    "without being split, and sends packets of that size.**Remote networks' MTU"};
constexpr TextKey kBlackHoleExplain{
    "IDC_static_step4_BlackHoeDetectExplain",
    "Some routers drop large packets without telling the sender. Black hole detection makes "
    "Windows try smaller packets when this happens.**Black hole routers"};
constexpr TextKey kDisableIt{"IDC_chk_MTUDiscovery", "Disable It?"};
constexpr TextKey kEnableBlackHole{"IDC_chk_BlackHoleDetection", "Enable It?"};
constexpr TextKey kMtuDiscoveryAdvice{"IDC_static_MTUDiscovery", "Recommended to be ENABLED."};
constexpr TextKey kBlackHoleAdvice{
    "IDC_static_BlackHoleDetect",
    "Recommended to be DISABLED since it imposes extra transmission overhead."};

// Page 4.
constexpr TextKey kRwinExplain{
    "IDC_static_step5_Explain",
    "RWIN (TCP Receive Window) is the amount of data your computer accepts before it must "
    "acknowledge it. A larger window keeps a fast connection busy; it works best as a multiple "
    "of the MSS.**RWIN"};
constexpr TextKey kRecommendedRwin{"IDC_static_RecommendedRWIN",
                                   "Recommended RWIN size  :  %d bytes."};
constexpr TextKey kScalingFactor{"IDC_STATIC_SCALING_FACTOR", "Scaling Factor"};
constexpr TextKey kMultiplier{"IDC_STATIC_MULTIPLIER", "Multiplier"};

// Page 5.
constexpr TextKey kTtlExplain{
    "IDC_static_step6_Explain",
    "TTL (Time To Live) limits how long a packet may wander through the network before a "
    "router discards it. A lower value lets lost packets give up sooner.**TTL"};
constexpr TextKey kRecommendedTtl{"IDC_static_RecommendedTTL", "Recommended TTL  :  %d seconds."};
constexpr TextKey kIeGroup{"IDC_IE_GROUP_BOX", "Internet Explorer Optimization"};
constexpr TextKey kIeOptimization{
    "IDC_IE_OPTIMIZATION",
    "Optimize Internet Explorer by setting the maximum number of simultaneous requests for "
    "accessing type 1.0 or 1.1 HTTP servers."};
constexpr TextKey kCurrentHttp10{"IDC_CURRENT_HTTP_1_0", "HTTP 1.0 value"};
constexpr TextKey kCurrentHttp11{"IDC_CURRENT_HTTP_1_1", "HTTP 1.1 value"};
constexpr TextKey kRecommendedHttp10{"IDC_RECOMMENDED_HTTP_1_0",
                                     "Recommended value for HTTP 1.0  :  %d."};
constexpr TextKey kRecommendedHttp11{"IDC_RECOMMENDED_HTTP_1_1",
                                     "Recommended value for HTTP 1.1  :  %d."};

// Page 6.
constexpr TextKey kKeepAliveTimeExplain{
    "IDC_static_step7_KeepAliveTimeExplain",
    "Keep Alive Time is how long an idle connection waits before Windows checks that the other "
    "side is still there.**Keep Alive Time"};
constexpr TextKey kKeepAliveIntervalExplain{
    "IDC_static_step7_KeepLAliveIntervalExplain",
    "Keep Alive Interval is how long Windows waits between repeated checks when the other side "
    "does not answer.**Keep Alive Interval"};
constexpr TextKey kRecommendedKeepAliveTime{"IDC_static_RecommendedKeepAliveTime",
                                            "Recommended Keep Alive Time  :  %d milliseconds."};
constexpr TextKey kRecommendedKeepAliveInterval{
    "IDC_static_RecommendedKeepAliveInterval",
    "Recommended Keep Alive Interval  :  %d milliseconds."};

// Page 7.
constexpr TextKey kSynExplain{
    "IDC_static_step8_SYNExplain",
    "A SYN flood attack fills your computer with half-opened connections until it accepts no "
    "more. SYN attack protection makes Windows give up on such connections sooner."};
constexpr TextKey kSynOptions{
    "IDC_static_RecommendedSYN",
    "0 - (default) - typical protection against SYN attacks.*1 - better protection against SYN "
    "attacks.*2 - (recommended) - best protection against SYN attacks.**This value"};
constexpr TextKey kSynQuestion{"IDC_STATIC_SYN", "What will be your decision?"};

// Page 8.
constexpr TextKey kIcmpExplain{
    "IDC_static_step9_ICMPExplain",
    "An ICMP redirect is a message from a router telling your computer to send the packets for "
    "a destination through another router."};
constexpr TextKey kIcmpExplain2{
    "IDC_static_step9_ICMPExplain2",
    "An attacker can send forged redirects to lead your traffic through a computer of his own, "
    "or nowhere at all."};
constexpr TextKey kIcmpExplain3{"IDC_static_step9_ICMPExplain3",
                                "Unless your network relies on redirects, ignoring them is safer."};
constexpr TextKey kIcmpExplain4{"IDC_static_step9_ICMPExplain4",
                                "Windows follows redirects when they are enabled.**ICMP"};
constexpr TextKey kEnableIcmp{"IDC_chk_ICMP", "Enable It?"};
constexpr TextKey kIcmpAdvice{"IDC_RecommendedICMP", "Recommended to be DISABLED."};

// Page 9.
constexpr TextKey kModemDescription{
    "IDC_DESCRIBTION",
    "You are equipped with an internal or external analog 56K modem?*It is possible for you to "
    "boost the speed of the port on which it is connected.*Originally, when you click on "
    "Control panel then Modem\\Properties, you see that the maximum speed of the COM port is "
    "limited to 115200 bps.**Here we will add 3 additional port speeds (230400, 460800, 921600 "
    "bps).**You need to test each speed manually to find the suitable speed based on your "
    "modem model."};

}  // namespace texts
}  // namespace tuning
