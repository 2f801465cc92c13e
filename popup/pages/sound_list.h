#pragma once
// The sound box of the Options page: the sounds of the program's Sounds
// folder ("Default" first), the user's own sound when it lies elsewhere,
// and "*** Custom Sound ***" last, which lets the user pick a file.
#include <string>
#include <vector>

namespace popup {

class SoundList {
public:
    static constexpr const char* kCustomEntry = "*** Custom Sound ***";

    // `soundsFolder`: the program's Sounds folder; `titles`: its .wav files
    // without extension, in the order the folder listing gives them.
    void Fill(const std::string& soundsFolder, const std::vector<std::string>& titles,
              const std::string& userWavPath);

    const std::vector<std::string>& Entries() const { return entries_; }
    int Selected() const { return selected_; }
    bool CustomSoundAdded() const { return !customPath_.empty(); }
    // The file name shown as the sound in use.
    const std::string& CurrentName() const { return currentName_; }

    bool IsCustomEntry(int index) const;
    // Picks an entry other than the last; returns the sound's full path
    // (empty for the custom entry or an index outside the list).
    std::string Choose(int index);
    // The user picked `path` through the custom entry: it is listed directly
    // before the custom entry, in place of an earlier pick, and selected.
    void ChooseCustom(const std::string& path);

private:
    std::string soundsFolder_;
    std::vector<std::string> entries_;
    std::string customPath_;  // the full path behind the extra entry, if any
    std::string currentName_;
    int selected_ = -1;
};

// The text after the last backslash.
std::string FileNameOf(const std::string& path);

}  // namespace popup
