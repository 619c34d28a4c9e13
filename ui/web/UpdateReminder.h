#pragma once

#include <QLocale>

class Program;

// Once per run, before the birth-details form exists: remembers today at the first start and,
// once more than fourteen days lie between the remembered day and today, offers the download
// page and remembers today. The day is kept in the short date of the desktop's formats.
void RunUpdateReminder(Program& program, const QLocale& locale = QLocale::system());
