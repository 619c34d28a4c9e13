#include "ui/base/LaunchPages.h"

#include "core/web/PageAddresses.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

namespace {
void OpenPage(Program& program, std::string_view pageId) {
    program.services.launcher.open(ToQString(parsiva::PageAddress(pageId)));
}
} // namespace

void OpenHomePage(Program& program) {
    OpenPage(program, parsiva::HomePageId);
}

void OpenHelpPage(Program& program) {
    OpenPage(program, parsiva::HelpPageId);
}

void OpenDownloadPage(Program& program) {
    OpenPage(program, parsiva::DownloadPageId);
}

void OpenDonatePage(Program& program) {
    OpenPage(program, parsiva::DonatePageId);
}

void OpenFullyBrandedPage(Program& program) {
    OpenPage(program, parsiva::FullyBrandedPageId);
}

void OpenCoBrandPage(Program& program) {
    OpenPage(program, parsiva::CoBrandPageId);
}

void OpenSoftwaresPage(Program& program) {
    OpenPage(program, parsiva::SoftwaresPageId);
}

void OpenWebAddress(Program& program, const QString& address) {
    program.services.launcher.open(address);
}
