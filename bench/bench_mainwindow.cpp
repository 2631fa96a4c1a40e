// Timings of the main window's list on a 2000-area Scenery.cfg under the offscreen platform. Each
// command's time includes the event processing that follows it, where Qt lays out and repaints.
#include "AreaListView.h"
#include "AreaSetCommands.h"
#include "DialogRecorder.h"
#include "Main.h"
#include "app/Application.h"
#include "model/document/ListRules.h"
#include "support/TestFiles.h"
#include "support/WindowServices.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int AreaCount = 2000;

std::string LargeCfg(int areas = AreaCount) {
    std::string text =
        "[General]\r\nTitle=FS9 World Scenery\r\nDescription=FS9 Scenery Data\r\nClean_on_Exit=TRUE\r\n\r\n";
    for (int n = 0; n < areas; ++n) {
        const std::string number = std::to_string(n);
        text += "[Area." + std::string(number.size() < 3 ? 3 - number.size() : 0, '0') + number + "]\r\n";
        text += "Title=Addon Scenery Area " + number + "\r\nLayer=" + std::to_string(n + 1) +
                "\r\nActive=TRUE\r\n";
        text += "Required=FALSE\r\nLocal=Addon Scenery\\Area" + number + "\r\nRemote=\r\n";
        text += "Flatten.0=47.1,8.2,47.2,8.3,400\r\n\r\n";
    }
    return text;
}

// The window on a host folder holding the large file, shown once so that its list is laid out. It never
// asks for the host key here: only the settings dialog would.
struct TBenchWindow : TTestServices {
    QTemporaryDir Folder;
    std::unique_ptr<THauptformular> Window;
    TAreaListView* List = nullptr;

    TBenchWindow() {
        WriteFile(QStringLiteral("Scenery.cfg"), LargeCfg());
        TestPrefs.FSPath = Folder.path().toLocal8Bit().toStdString() + "/";
        Window = std::make_unique<THauptformular>(Services());
        List = Window->findChild<TAreaListView*>(QStringLiteral("lvAreas"));
        Window->show();
        // The clipboard commands act on the list only while it has the focus.
        Window->activateWindow();
        QCoreApplication::processEvents();
        List->setFocus();
    }

    QString WriteFile(const QString& name, const std::string& text) const {
        if (!WriteBytes(Folder.filePath(name), text))
            std::abort();
        return Folder.filePath(name);
    }

    // Reloads and selects every second row starting at the first given one: 1000 separate ranges.
    void ReloadAndSelectAlternate(int first) {
        Window->ReloadAll();
        std::vector<char> flags(AreaCount, 0);
        for (int row = first; row < AreaCount; row += 2)
            flags[static_cast<std::size_t>(row)] = 1;
        List->SelectByFlags(flags);
        QCoreApplication::processEvents();
    }
};

TBenchWindow& Bench() {
    static TBenchWindow bench;
    return bench;
}

void BM_ReloadAll(benchmark::State& state) {
    TBenchWindow& bench = Bench();
    for (auto _ : state) {
        bench.Window->ReloadAll();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = bench.List->RowCount();
}
BENCHMARK(BM_ReloadAll)->Unit(benchmark::kMillisecond);

// Runs one command after a fresh load with the alternate selection, timing only the command.
template <class Command> void TimeCommand(benchmark::State& state, int firstSelected, Command command) {
    TBenchWindow& bench = Bench();
    for (auto _ : state) {
        state.PauseTiming();
        bench.ReloadAndSelectAlternate(firstSelected);
        state.ResumeTiming();
        command(*bench.Window);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = bench.List->RowCount();
}

void BM_MoveUp1000(benchmark::State& state) {
    TimeCommand(state, 1, [](THauptformular& window) { window.bbUpClick(); });
}
BENCHMARK(BM_MoveUp1000)->Unit(benchmark::kMillisecond);

void BM_MoveDown1000(benchmark::State& state) {
    TimeCommand(state, 0, [](THauptformular& window) { window.bbDownClick(); });
}
BENCHMARK(BM_MoveDown1000)->Unit(benchmark::kMillisecond);

// Rows 2, 4, ..., 1998 dragged onto row 3 (999 rows in 999 ranges).
void BM_Drop1000(benchmark::State& state) {
    TimeCommand(state, 2, [](THauptformular& window) { window.lvAreasDragDrop(3); });
}
BENCHMARK(BM_Drop1000)->Unit(benchmark::kMillisecond);

void BM_Renumber2000(benchmark::State& state) {
    TimeCommand(state, 2, [](THauptformular& window) { window.bbRenumberClick(); });
}
BENCHMARK(BM_Renumber2000)->Unit(benchmark::kMillisecond);

// 1000 selected rows out of 2000 cut into the area clipboard.
void BM_Cut1000(benchmark::State& state) {
    TimeCommand(state, 0, [](THauptformular& window) { window.cmEditCutClick(); });
}
BENCHMARK(BM_Cut1000)->Unit(benchmark::kMillisecond);

// A 1000-area block pasted above row 3 of 2000 rows.
void BM_Paste1000(benchmark::State& state) {
    TBenchWindow& bench = Bench();
    for (auto _ : state) {
        state.PauseTiming();
        bench.ReloadAndSelectAlternate(0);
        bench.Window->cmEditCopyClick();
        bench.List->SelectOnly(3);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        bench.Window->cmEditPasteClick();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = bench.List->RowCount();
}
BENCHMARK(BM_Paste1000)->Unit(benchmark::kMillisecond);

// 1000 selected rows out of 2000 written to a set file and taken out of the list.
void BM_CutAndExport1000(benchmark::State& state) {
    TDialogRecorder picker;
    const QString set = Bench().Folder.filePath(QStringLiteral("bench.sas"));
    TimeCommand(state, 0, [&picker, &set](THauptformular& window) {
        picker.AnswerNext(set);
        window.AreaSets().bbExportRemoveClick();
    });
}
BENCHMARK(BM_CutAndExport1000)->Unit(benchmark::kMillisecond);

// A set file of 1000 areas imported above row 3 of 2000 rows.
void BM_Import1000(benchmark::State& state) {
    TBenchWindow& bench = Bench();
    const QString set = bench.WriteFile(QStringLiteral("import.sas"), LargeCfg(1000));
    for (auto _ : state) {
        state.PauseTiming();
        bench.Window->ReloadAll();
        bench.List->SelectOnly(3);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        bench.Window->AreaSets().ImportAreaSet(set, TInsertPlace::BeforeSelected);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = bench.List->RowCount();
}
BENCHMARK(BM_Import1000)->Unit(benchmark::kMillisecond);

// Rows 2, 3, 5, 7, ..., 1999 (1000 rows, every one below the protected ones) moved to the top.
void BM_MoveToTop1000(benchmark::State& state) {
    TBenchWindow& bench = Bench();
    for (auto _ : state) {
        state.PauseTiming();
        bench.ReloadAndSelectAlternate(3);
        std::vector<char> flags = bench.List->SelectionFlags();
        flags[2] = 1;
        bench.List->SelectByFlags(flags);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        bench.Window->cmAreaMoveTopClick();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = bench.List->RowCount();
}
BENCHMARK(BM_MoveToTop1000)->Unit(benchmark::kMillisecond);

// One keystroke in the find field each iteration, the two texts in turn, with the layout and repaint
// that follow: "Area 1" shows 1111 rows and "Area 19" 111; "" shows all 2000 and "7" 543.
void TimeKeystrokes(benchmark::State& state, const QString& one, const QString& other) {
    TBenchWindow& bench = Bench();
    auto* find = bench.Window->findChild<QLineEdit*>(QStringLiteral("eFind"));
    bench.Window->ReloadAll();
    bench.ReloadAndSelectAlternate(2);
    bool first = true;
    for (auto _ : state) {
        find->setText(first ? one : other);
        QCoreApplication::processEvents();
        first = !first;
    }
    find->clear();
    QCoreApplication::processEvents();
}

void BM_FilterKeystroke(benchmark::State& state) {
    TimeKeystrokes(state, QStringLiteral("Area 1"), QStringLiteral("Area 19"));
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

void BM_FilterFirstKeystroke(benchmark::State& state) {
    TimeKeystrokes(state, QStringLiteral("7"), QString());
}
BENCHMARK(BM_FilterFirstKeystroke)->Unit(benchmark::kMillisecond);

// Undoing (or redoing after an undo) one step of a command on 2000 rows, timing only the undo or redo.
template <class Command> void TimeUndo(benchmark::State& state, bool redo, Command command) {
    TBenchWindow& bench = Bench();
    for (auto _ : state) {
        state.PauseTiming();
        command(bench);
        if (redo)
            bench.Window->cmEditUndoClick();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        redo ? bench.Window->cmEditRedoClick() : bench.Window->cmEditUndoClick();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = bench.List->RowCount();
}

void MoveDown1000(TBenchWindow& bench) {
    bench.ReloadAndSelectAlternate(2);
    bench.Window->bbDownClick();
}

void Cut1000(TBenchWindow& bench) {
    bench.ReloadAndSelectAlternate(2);
    bench.Window->cmEditCutClick();
}

void Import1000(TBenchWindow& bench) {
    static const QString set = bench.WriteFile(QStringLiteral("import.sas"), LargeCfg(1000));
    bench.Window->ReloadAll();
    bench.List->SelectOnly(3);
    bench.Window->AreaSets().ImportAreaSet(set, TInsertPlace::BeforeSelected);
}

void BM_UndoMoveDown1000(benchmark::State& state) {
    TimeUndo(state, false, MoveDown1000);
}
BENCHMARK(BM_UndoMoveDown1000)->Unit(benchmark::kMillisecond);

void BM_RedoMoveDown1000(benchmark::State& state) {
    TimeUndo(state, true, MoveDown1000);
}
BENCHMARK(BM_RedoMoveDown1000)->Unit(benchmark::kMillisecond);

void BM_UndoCut1000(benchmark::State& state) {
    TimeUndo(state, false, Cut1000);
}
BENCHMARK(BM_UndoCut1000)->Unit(benchmark::kMillisecond);

void BM_RedoCut1000(benchmark::State& state) {
    TimeUndo(state, true, Cut1000);
}
BENCHMARK(BM_RedoCut1000)->Unit(benchmark::kMillisecond);

void BM_UndoImport1000(benchmark::State& state) {
    TimeUndo(state, false, Import1000);
}
BENCHMARK(BM_UndoImport1000)->Unit(benchmark::kMillisecond);

void BM_RedoImport1000(benchmark::State& state) {
    TimeUndo(state, true, Import1000);
}
BENCHMARK(BM_RedoImport1000)->Unit(benchmark::kMillisecond);

// The resident memory 200 steps add to a 2000-row history, each a Move down of 1000 rows.
long ResidentKiB() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * 4;
}

void BM_HistoryOf200Steps(benchmark::State& state) {
    TBenchWindow& bench = Bench();
    long added = 0;
    for (auto _ : state) {
        bench.ReloadAndSelectAlternate(2);
        const long before = ResidentKiB();
        for (int step = 0; step < 200; ++step)
            bench.Window->bbDownClick();
        QCoreApplication::processEvents();
        added = ResidentKiB() - before;
    }
    state.counters["added_KiB"] = static_cast<double>(added);
    state.counters["KiB_per_step"] = static_cast<double>(added) / 200;
}
BENCHMARK(BM_HistoryOf200Steps)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TQuarrowApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Bench().Window.reset();
    return 0;
}
