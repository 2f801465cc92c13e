#include "popup/engine/block_script.h"

#include <algorithm>

#include "common/files/whole_file.h"

namespace popup {

const char kBlockScriptFile[] = "QXBlk.js";
const char kPopupSoundFile[] = "PopUp.wav";

std::string CheckBlockScript(const std::string& programFolder) {
    std::string name = kBlockScriptFile;
    return name.find('\\') == std::string::npos ? programFolder + name : name;
}

std::string BuildInjectedScript(const std::string& scriptFile, bool playWave,
                                const std::string& soundFile) {
    std::string script;
    files::ReadWholeFile(scriptFile, script);
    size_t mark = script.find("%s");
    if (mark == std::string::npos) return script;
    if (!playWave) return script.replace(mark, 2, "  ");
    std::string path = soundFile;
    std::replace(path.begin(), path.end(), '\\', '/');
    return script.replace(mark, 2, "if( Quiv_beep ) Quiv_beep.src=\"" + path + "\";");
}

}  // namespace popup
