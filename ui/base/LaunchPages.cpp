#include "ui/base/LaunchPages.h"

#include "core/web/PageAddresses.h"
#include "ui/base/Program.h"
#include "ui/base/UiText.h"

namespace {
void openPage(Program& program, std::string_view pageId) {
    program.services.launcher.open(ToQString(parsiva::PageAddress(pageId)));
}
} // namespace

void OpenHomePage(Program& program) {
    openPage(program, parsiva::HomePageId);
}

void OpenHelpPage(Program& program) {
    openPage(program, parsiva::HelpPageId);
}

void OpenDownloadPage(Program& program) {
    openPage(program, parsiva::DownloadPageId);
}

void OpenDonatePage(Program& program) {
    openPage(program, parsiva::DonatePageId);
}

void OpenFullyBrandedPage(Program& program) {
    openPage(program, parsiva::FullyBrandedPageId);
}

void OpenCoBrandPage(Program& program) {
    openPage(program, parsiva::CoBrandPageId);
}

void OpenSoftwaresPage(Program& program) {
    openPage(program, parsiva::SoftwaresPageId);
}

void OpenWebAddress(Program& program, const QString& address) {
    program.services.launcher.open(address);
}
