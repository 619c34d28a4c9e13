#pragma once

#include <QString>

class Program;

// Each opens one fixed page of the publisher's site in the default browser, without waiting;
// a failure stays silent.
void OpenHomePage(Program& program);
void OpenHelpPage(Program& program);
void OpenDownloadPage(Program& program);
void OpenDonatePage(Program& program);
void OpenFullyBrandedPage(Program& program);
void OpenCoBrandPage(Program& program);
void OpenSoftwaresPage(Program& program);
// Opens an address built at run time, passed on unchanged.
void OpenWebAddress(Program& program, const QString& address);
