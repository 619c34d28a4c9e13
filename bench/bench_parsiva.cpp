// In-process benchmarks of the paths a user waits on.
#include "tests/support/Windows.h"

#include "core/readings/ReadingFile.h"
#include "core/signs/Classification.h"
#include "core/signs/SignCatalogue.h"
#include "platform/ReadingFiles.h"
#include "ui/readings/frmSave.h"
#include "ui/workflow/frmIranianAstrologyResult.h"
#include "ui/workflow/frmMain.h"
#include "app/ConfigureApplication.h"
#include "app/StartUp.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

void ClassifyAndCompose(benchmark::State& state) {
    for (auto _ : state) {
        auto sign = parsiva::ClassifyBirthDate("August", 23);
        auto reading = parsiva::ComposeReading(*sign);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(ClassifyAndCompose);

// A result form holding Ann Lee's reading, as the report window finds it.
struct ReadingOnScreen {
    ReadingOnScreen() {
        world.program.birthDetails = {"Ann Lee", 23, "August", 1975};
        world.program.readingResult = *parsiva::ComposeReading("Shahrivar");
        result = new frmIranianAstrologyResult(world.program);
        result->showReading(world.program.readingResult);
    }
    ~ReadingOnScreen() { delete result; }
    TestWorld world;
    frmIranianAstrologyResult* result = nullptr;
};

void ComposeReportWindow(benchmark::State& state) {
    ReadingOnScreen screen;
    for (auto _ : state) {
        // Creating the report window composes the six blocks into its rich-text box.
        frmSave report(screen.world.program, *screen.result, screen.result->resultCaptions());
        benchmark::DoNotOptimize(report.richTextBox()->document());
    }
}
BENCHMARK(ComposeReportWindow)->Unit(benchmark::kMillisecond);

void ProceedToResultShown(benchmark::State& state) {
    TestWorld world;
    for (auto _ : state) {
        state.PauseTiming();
        frmMain* form = OpenMainForm(world.program);
        form->findChild<QLineEdit*>("txtName")->setText("Ann Lee");
        form->findChild<QComboBox*>("cboMonth")->setCurrentText("August");
        form->findChild<QComboBox*>("cboDate")->setCurrentText("23");
        form->findChild<QComboBox*>("cboYear")->setCurrentText("1975");
        auto* button = form->findChild<QPushButton*>("cmdProceed");
        state.ResumeTiming();

        QTest::mouseClick(button, Qt::LeftButton);
        QList<frmIranianAstrologyResult*> shown = OpenWindowsOf<frmIranianAstrologyResult>();
        if (shown.size() != 1 || !shown.front()->isVisible())
            state.SkipWithError("the result window did not appear");
        QApplication::processEvents(); // the first paint

        state.PauseTiming();
        world.program.ending = true; // tidy up without the exit path
        for (QWidget* window : world.program.openWindows())
            window->close();
        world.program.ending = false;
        DeleteClosedWindows();
        state.ResumeTiming();
    }
}
BENCHMARK(ProceedToResultShown)->Unit(benchmark::kMillisecond);

void SaveAndReopenReadingFile(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath("ann.zod");
    const parsiva::BirthDetails details{"Ann Lee", 23, "August", 1975};
    for (auto _ : state) {
        if (!SaveReadingFile(path, details))
            state.SkipWithError("saving failed");
        const auto read = ReadReadingFile(path);
        if (!read.lines)
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(parsiva::InterpretReadingLines(*read.lines));
    }
}
BENCHMARK(SaveAndReopenReadingFile)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ConfigureApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
