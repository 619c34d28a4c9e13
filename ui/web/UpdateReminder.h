#pragma once

class Program;

// Once per run, before the birth-details form exists: remembers today at the first start and,
// once more than fourteen days lie between the remembered day and today, offers the download
// page and remembers today.
void RunUpdateReminder(Program& program);
