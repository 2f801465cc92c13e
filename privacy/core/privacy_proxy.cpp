#include "privacy/core/privacy_proxy.h"

#include <winsock2.h>
#include <windows.h>
#include <wininet.h>

#include <cstring>

#include "common/files/whole_file.h"
#include "common/browser/text_lines.h"

namespace privacy {

const char kProxyHost[] = "127.0.0.1";

namespace {

const DWORD kConnectionDrain = 5000;

std::vector<std::string> ReadLines(const std::string& path) {
    std::string text;
    std::vector<std::string> lines;
    if (!files::ReadWholeFile(path, text)) return lines;
    for (const browser::TextLine& line : browser::SplitLines(text)) lines.push_back(line.text);
    return lines;
}

}  // namespace

bool ConnectToHost(const std::string& host, int port) {
    proxy::WinsockSession winsock;
    if (!winsock.ok() || port < 1 || port > 65535) return false;
    unsigned long address = proxy::DottedAddress(host);
    if (address == 0) {
        const hostent* entry = gethostbyname(host.c_str());
        if (entry == nullptr || entry->h_addrtype != AF_INET || entry->h_addr_list[0] == nullptr)
            return false;
        std::memcpy(&address, entry->h_addr_list[0], sizeof address);
    }
    return proxy::ConnectTo(address, port, 0).valid();
}

bool InternetConnected() {
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0) != FALSE;
}

ProgramFiles::ProgramFiles(std::string programFolder)
    : folder(std::move(programFolder)),
      options(folder + "\\" + kOptionsFileName),
      blockPage(folder + "\\Block\\Block.htm"),
      blockImage(folder + "\\Block\\Block.gif"),
      hubList(folder + "\\" + kHubListFile) {}

CorbeltProxy::CorbeltProxy(ProgramFiles files, CorbeltProbes probes)
    : files_(std::move(files)), probes_(std::move(probes)), sites_(std::make_shared<SiteList>()) {
    const std::string list = files_.hubList;
    hubs_ = std::make_shared<HubSelector>([list] { return ReadLines(list); }, probes_.probe,
                                          probes_.online);
}

CorbeltProxy::~CorbeltProxy() { Stop(); }

LoadResult CorbeltProxy::Load() {
    hubs_->SelectHub();
    PrivacySettings settings = sites_->Snapshot();
    LoadResult result = LoadOptionsFile(files_.options, settings);
    if (result == LoadResult::Damaged)
        CopyFileA(files_.options.c_str(), (files_.options + ".bad").c_str(), FALSE);
    keepFile_ = result == LoadResult::Unreadable;
    sites_->Replace(settings);
    return result;
}

int CorbeltProxy::Start(unsigned short port) {
    Stop();
    BlockContent block;
    block.pagePath = files_.blockPage;
    block.imagePath = files_.blockImage;
    files::ReadWholeFile(block.pagePath, block.page);
    files::ReadWholeFile(block.imagePath, block.image);
    auto policy = std::make_shared<CorbeltPolicy>(sites_, hubs_, std::move(block),
                                                  probes_.controlHeld, probes_.now);
    listener_.reset(new proxy::CProxyListener(policy));
    if (listener_->Start(port, SOMAXCONN)) {
        lastError_.clear();
        socketFailed_ = false;
        return 1;
    }
    lastError_ = listener_->LastError();
    socketFailed_ = listener_->SocketFailed();
    listener_.reset();
    return 0;
}

void CorbeltProxy::Stop() {
    if (!listener_) return;
    listener_->Close();
    listener_->WaitForConnections(kConnectionDrain);
    listener_.reset();
}

bool CorbeltProxy::Save() const { return !keepFile_ && sites_->Save(files_.options); }

unsigned short CorbeltProxy::Port() const { return listener_ ? listener_->Port() : 0; }

}  // namespace privacy
