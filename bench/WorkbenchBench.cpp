// The workbench with a document of the longest filter it holds, a Kaiser low pass of 65535
// taps imported from a text file and saved as File > Save As saves it: opening
// that file, computing each display array, switching displays through the menu's actions,
// redrawing the graph, stepping and jumping through the data form, and minimum phase end
// to end beside the root finding it waits for. Runs on the offscreen platform unless
// QT_QPA_PLATFORM names another; every figure is wall-clock time.
#include "CDataView.h"
#include "CFilterApp.h"
#include "CFilterDoc.h"
#include "CFilterView.h"
#include "CMainFrame.h"
#include "DisplayData.h"
#include "FilterDesign.h"
#include "FilterTypes.h"
#include "GroupDelay.h"
#include "GuardedApplication.h"
#include "Resource.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

constexpr int kTaps = 65535;

// The started workbench, its working folder (where beta.bin and root.bin go) and the
// document file of the long filter in it.
struct Workbench {
    QTemporaryDir folder;
    std::unique_ptr<CFilterApp> app;
    QString documentPath;

    CMainFrame& Frame() const { return app->GetFrame(); }
    CFilterDoc& Doc() const { return app->GetFilterDoc(); }
    CFilterView& Graph() const { return *Frame().GetGraphView(); }
    CDataView& Form() const { return *Frame().GetDataView(); }
};

Workbench* g_workbench = nullptr;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "bench_workbench: %s\n", what);
    std::exit(2);
}

// Runs command id through the frame's action, as a menu click does, then lets the
// workbench handle what that posted, painting included.
void Run(int id)
{
    g_workbench->Frame().UpdateCommandStates();
    g_workbench->Frame().GetAction(id)->trigger();
    QCoreApplication::processEvents();
}

// Writes the coefficients of a Kaiser low pass of kTaps taps, cut-off 0.25 and 60 dB, to
// path as numpy's savetxt writes them: one number a line, 18 digits after the point.
void WriteCoefficientFile(const QString& path)
{
    const CRealArray h = DesignPassBand(LowPass, kTaps, 0.25, 0.5, 60.0).coefficients;
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "w");
    if (!file)
        Fail("the coefficient file cannot be written");
    for (int i = 0; i < h.GetSize(); ++i)
        std::fprintf(file, "%.18e\n", h[i]);
    if (std::fclose(file) != 0)
        Fail("the coefficient file cannot be written");
}

// Answers the windows of File > Import Coefficients while it runs: the open dialog with
// path, the question with OK. Any other window ends the program.
void ImportCoefficients(const QString& path)
{
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&path] {
        QWidget* window = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(window)) {
            if (QWidget* focus = files->focusWidget())
                focus->clearFocus();  // the name field takes a selected file only without the focus
            files->selectFile(path);
            QMetaObject::invokeMethod(files, "accept");
        } else if (auto* box = qobject_cast<QMessageBox*>(window); box && box->button(QMessageBox::Ok)) {
            box->button(QMessageBox::Ok)->click();
        } else if (window) {
            Fail(qPrintable("unexpected window: " + window->windowTitle()));
        }
    });
    answer.start(20);
    Run(ID_FILE_IMPORT_COEF);
}

// Starts the workbench in a temporary folder, imports the long low pass and saves it as a
// document, as File > Save As does.
void StartWorkbench(Workbench& w)
{
    if (!w.folder.isValid() || !QDir::setCurrent(w.folder.path()))
        Fail("no temporary working folder");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, w.folder.filePath("settings"));
    w.app = std::make_unique<CFilterApp>();
    if (!w.app->InitInstance({}))
        Fail("the workbench did not start");
    QCoreApplication::processEvents();
    WriteCoefficientFile(w.folder.filePath("c.txt"));
    ImportCoefficients(w.folder.filePath("c.txt"));
    if (!w.Doc().m_pCoef || w.Doc().m_pCoef->GetSize() != kTaps)
        Fail("the long low pass was not imported");
    w.documentPath = w.folder.filePath("long.flt");
    if (!w.app->DoSave(w.documentPath))
        Fail("the document was not saved");
}

// Opens the document file anew: it holds the imported low pass and shows its impulse
// response, with no edits and no zeros.
void Reopen()
{
    if (!g_workbench->app->OpenDocumentFile(g_workbench->documentPath))
        Fail("the document did not open");
    QCoreApplication::processEvents();
}

// Counts the paint events of the object it watches.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

PaintCounter g_graphPaints;

// Does action, then handles the events it posted until the graph has painted at least once
// (at most 10 s) and nothing is left to handle: the time a user waits for the panes to
// show what action did.
void UntilPainted(const std::function<void()>& action)
{
    const int before = g_graphPaints.count;
    action();
    QElapsedTimer waited;
    waited.start();
    while (g_graphPaints.count == before) {
        if (waited.elapsed() > 10000)
            Fail("the graph did not paint within 10 s");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
}

// Shows or hides the scale, and with it the status bar's verdict, through View > Scale.
void ShowScale(bool visible)
{
    if (g_workbench->Graph().IsScaleVisible() != visible)
        Run(ID_VIEW_SCALE);
}

// File > Open of the long document, up to the first display painted; with the scale on,
// the verdict measures the filter against its requirements as well.
void BM_OpenDocument(benchmark::State& state)
{
    ShowScale(state.range(0) != 0);
    for (auto _ : state)
        UntilPainted(Reopen);
    ShowScale(false);
}

// The display arrays of the long filter, as the document computes them.
void BM_DisplayArray(benchmark::State& state, const std::function<void(const CFilterDoc&)>& compute)
{
    Reopen();
    for (auto _ : state)
        compute(g_workbench->Doc());
}

// The command id of the menu item that selects display (DisplaySelection).
int ViewCommand(int display)
{
    static const int kIds[] = {ID_VIEW_IMPULSE, ID_VIEW_AMPLITUDE, ID_VIEW_PHASE, ID_VIEW_REAL, ID_VIEW_IMAG,
        ID_VIEW_GROUPDELAY, ID_VIEW_STEP};
    return kIds[display];
}

// Selects display (in dB when decibel) without timing.
void Show(int display, bool decibel)
{
    if ((g_workbench->Doc().m_bDecibel == 1) != decibel)
        Run(ID_VIEW_DB);
    Run(ViewCommand(display));
}

// A click on the display's menu item from the impulse response, until both panes show it.
void BM_SwitchDisplay(benchmark::State& state)
{
    const int display = static_cast<int>(state.range(0));
    const bool decibel = state.range(1) != 0;
    Reopen();
    for (auto _ : state) {
        state.PauseTiming();
        Show(DisplayImpulse, decibel);
        state.ResumeTiming();
        UntilPainted([display] { Run(ViewCommand(display)); });
    }
}

// View > dB while the amplitude is shown, both ways.
void BM_ToggleDecibel(benchmark::State& state)
{
    Reopen();
    Show(DisplayAmplitude, false);
    for (auto _ : state)
        UntilPainted([] { Run(ID_VIEW_DB); });
}

// One repaint of the whole graph pane showing display, with or without the scale.
void BM_RedrawGraph(benchmark::State& state)
{
    Reopen();
    Show(static_cast<int>(state.range(0)), state.range(1) != 0);
    ShowScale(state.range(2) != 0);
    for (auto _ : state)
        g_workbench->Graph().repaint();
    ShowScale(false);
}

// The data form over the impulse response: one step of the scroll bar's arrow (up, then
// down in the next iteration), which also moves the graph's marker.
void BM_FormArrowStep(benchmark::State& state)
{
    Reopen();
    auto* bar = g_workbench->Form().findChild<QScrollBar*>("IDC_XSCROLL");
    bool up = true;
    for (auto _ : state) {
        UntilPainted([bar, up] {
            bar->triggerAction(up ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
        });
        up = !up;
    }
}

// The data form's X-Axis box typed to the last index and back to the first: two jumps
// per iteration across the whole array, the graph's marker following.
void BM_FormJumpToEndAndBack(benchmark::State& state)
{
    Reopen();
    auto* xAxis = g_workbench->Form().findChild<QLineEdit*>("IDC_XAXIS");
    for (auto _ : state) {
        UntilPainted([xAxis] { xAxis->setText(QString::number(kTaps - 1)); });
        UntilPainted([xAxis] { xAxis->setText("0"); });
    }
}

// Show Next through the first thousand indices, each click its own step.
void BM_FormShowNext(benchmark::State& state)
{
    Reopen();
    auto* next = g_workbench->Form().findChild<QPushButton*>("IDC_SHOWNEXT");
    int steps = 0;
    for (auto _ : state) {
        if (++steps % 1000 == 0) {
            state.PauseTiming();
            Reopen();
            state.ResumeTiming();
        }
        UntilPainted([next] { next->click(); });
    }
}

// The zeros of the long filter through the workbench's exchange (beta.bin, zsolve, root.bin),
// as Tools > Minimum Phase and View > Zeros obtain them.
void BM_ZerosThroughExchange(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Reopen();
        state.ResumeTiming();
        if (!g_workbench->Doc().ComputeRoots())
            state.SkipWithError("the zeros were not found");
    }
}

// Tools > Minimum Phase of the long filter, from the click until the panes show the result.
void BM_MinimumPhase(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Reopen();
        state.ResumeTiming();
        UntilPainted([] { Run(ID_TOOL_MINPHASE); });
        if (!g_workbench->Doc().IsModified())
            state.SkipWithError("minimum phase did not change the coefficients");
    }
    g_workbench->Doc().SetModifiedFlag(false);
}

// Tools > Minimum Phase once the zeros are known (View > Zeros found them before): what
// minimum phase takes beyond the root finding, from the click until the panes show it.
void BM_MinimumPhaseBeyondZeros(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Reopen();
        if (!g_workbench->Doc().ComputeRoots())
            state.SkipWithError("the zeros were not found");
        state.ResumeTiming();
        UntilPainted([] { Run(ID_TOOL_MINPHASE); });
    }
    g_workbench->Doc().SetModifiedFlag(false);
}

void RegisterDisplayArrays()
{
    using Doc = const CFilterDoc&;
    const std::pair<const char*, std::function<void(Doc)>> arrays[] = {
        {"impulse", [](Doc d) { benchmark::DoNotOptimize(ImpulseDisplay(*d.m_pCoef).data()); }},
        {"amplitude", [](Doc d) { benchmark::DoNotOptimize(AmplitudeDisplay(*d.m_pResponse, false).data()); }},
        {"amplitude_db", [](Doc d) { benchmark::DoNotOptimize(AmplitudeDisplay(*d.m_pResponse, true).data()); }},
        {"phase", [](Doc d) { benchmark::DoNotOptimize(PhaseDisplay(*d.m_pResponse).data()); }},
        {"real", [](Doc d) { benchmark::DoNotOptimize(RealDisplay(*d.m_pResponse).data()); }},
        {"group_delay", [](Doc d) { benchmark::DoNotOptimize(GroupDelayDisplay(*d.m_pCoef).values.data()); }},
        {"step", [](Doc d) { benchmark::DoNotOptimize(StepDisplay(*d.m_pCoef).data()); }},
        {"frequency_response", [](Doc d) { benchmark::DoNotOptimize(FrequencyResponse(*d.m_pCoef).data()); }},
    };
    for (const auto& [name, compute] : arrays)
        benchmark::RegisterBenchmark((std::string("BM_DisplayArray/") + name).c_str(), BM_DisplayArray, compute)
            ->Unit(benchmark::kMillisecond)->UseRealTime();
}

void RegisterAll()
{
    const auto ms = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->UseRealTime(); };
    ms(benchmark::RegisterBenchmark("BM_OpenDocument", BM_OpenDocument)->ArgName("scale")->Arg(0)->Arg(1));
    RegisterDisplayArrays();
    // Arguments: display (DisplaySelection), dB.
    auto* sw = benchmark::RegisterBenchmark("BM_SwitchDisplay", BM_SwitchDisplay)->ArgNames({"display", "db"});
    for (int display = DisplayAmplitude; display <= DisplayStep; ++display)
        sw->Args({display, 0});
    sw->Args({DisplayAmplitude, 1});
    ms(sw);
    ms(benchmark::RegisterBenchmark("BM_ToggleDecibel", BM_ToggleDecibel));
    // Arguments: display, dB, scale.
    auto* redraw = benchmark::RegisterBenchmark("BM_RedrawGraph", BM_RedrawGraph)->ArgNames({"display", "db", "scale"});
    for (int scale : {0, 1}) {
        for (int display = DisplayImpulse; display <= DisplayStep; ++display)
            redraw->Args({display, 0, scale});
        redraw->Args({DisplayAmplitude, 1, scale});
    }
    ms(redraw);
    ms(benchmark::RegisterBenchmark("BM_FormArrowStep", BM_FormArrowStep));
    ms(benchmark::RegisterBenchmark("BM_FormJumpToEndAndBack", BM_FormJumpToEndAndBack));
    ms(benchmark::RegisterBenchmark("BM_FormShowNext", BM_FormShowNext));
    ms(benchmark::RegisterBenchmark("BM_ZerosThroughExchange", BM_ZerosThroughExchange)->Iterations(1));
    ms(benchmark::RegisterBenchmark("BM_MinimumPhase", BM_MinimumPhase)->Iterations(1));
    ms(benchmark::RegisterBenchmark("BM_MinimumPhaseBeyondZeros", BM_MinimumPhaseBeyondZeros)->Iterations(3));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CGuardedApplication application(argc, argv);
    QCoreApplication::setApplicationName("filter-bench");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Workbench workbench;
    g_workbench = &workbench;
    StartWorkbench(workbench);
    workbench.Graph().installEventFilter(&g_graphPaints);
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    workbench.Doc().SetModifiedFlag(false);
    return 0;
}
