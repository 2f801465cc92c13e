#pragma once
// The ActiveX page without its window: the ActiveX policies (URL actions)
// of one Internet Explorer security zone at a time, read when a zone is
// chosen and written for the zone on show when the main window applies.
#include <array>
#include <string>

namespace popup {

enum class PolicyChoice { None, Enable, Disable, Prompt, AdminApproved };

// The five policy groups, in the order of the page.
enum PolicyGroup {
    kSignedActiveX = 0,      // "1001"
    kUnsignedActiveX,        // "1004"
    kNotMarkedSafe,          // "1201"
    kMarkedSafe,             // "1405"
    kRunActiveX,             // "1200", also "Administrator Approved"
    kPolicyGroupCount
};

struct ZoneInfo {
    const char* name;
    int iconId;
};

class ActiveXPageModel {
public:
    static constexpr int kZoneCount = 4;
    // Box order; index i is zone number i + 1.
    static const ZoneInfo kZones[kZoneCount];
    static const char* UrlAction(PolicyGroup group);

    // Chooses a zone and reads its policies; changes not yet applied to the
    // zone shown before are dropped.
    void SelectZone(int index);
    int SelectedZone() const { return zone_; }
    // Reads the policies of the zone on show again.
    void ReadZonePolicies();
    // Writes the policies of the zone on show that the page changed since
    // they were read (or last written), and records them as the blocker's;
    // the others stay as the user has them, and so does a group without a
    // choice.
    void SaveZonePolicies();

    PolicyChoice Choice(PolicyGroup group) const { return choices_[group]; }
    // A radio button; "Administrator Approved" belongs to kRunActiveX only.
    void SetChoice(PolicyGroup group, PolicyChoice choice);

private:
    std::string ZoneKey() const;

    int zone_ = 0;
    std::array<PolicyChoice, kPolicyGroupCount> choices_{};
    // What the zone's key held when it was read or last written.
    std::array<PolicyChoice, kPolicyGroupCount> stored_{};
};

}  // namespace popup
