#pragma once

class QApplication;

// The application-wide settings the program runs with; the tests and benchmarks use the same.
void ConfigureApplication(QApplication& app);
