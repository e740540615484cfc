// Speed of the page build and the project files, each beside its floor in the same run:
//   make bench             all benchmarks, then the ratios they give
//   wendle_bench --peak-memory    peak memory of 512 MiB and 5 GiB builds, in child processes
//   wendle_bench --alternate      the page build and its floors taking turns, 64, 256, 512 MiB
//   wendle_bench --batch WENDLE   1,000 and 10,000 pages by wendle --build, Hugo, sed, pandoc
//                                 and a durable floor; and wendle's start-up
//   wendle_bench --watch WENDLE   wendle --build --watch: from a save to the pages, and memory
#include "build/PageBuild.h"
#include "build/SubstituteMarkers.h"
#include "project/ProjectFile.h"
#include "services/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr qint64 kMiB = 1 << 20;
enum MarkerPlace { NearStart = 0, NearEnd = 1 };

QString DataFolder()
{
    static const QString folder = [] {
        const QByteArray env = qgetenv("WENDLE_BENCH_DATA");
        const QString path = env.isEmpty() ? QDir::current().filePath(QStringLiteral("bench-data"))
                                           : QString::fromLocal8Bit(env);
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

// A template of `size` bytes of HTML-like text with its two markers near the start or the end;
// written once and reused.
QString TemplateFile(qint64 size, MarkerPlace place)
{
    const QString path = QDir(DataFolder())
                             .filePath(QStringLiteral("template-%1-%2.html")
                                           .arg(size)
                                           .arg(place == NearStart ? "start" : "end"));
    if (QFileInfo(path).size() == size)
        return path;
    // Written a block at a time, so that even a template of several GiB needs little memory.
    const QByteArray line = "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit.</p>\n";
    const qint64 first = place == NearStart ? 100 : size - 200;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (qint64 at = 0; at < size; at += kMiB) {
        QByteArray block = line.repeated(int(kMiB / line.size()) + 1).left(qMin(kMiB, size - at));
        for (const qint64 marker : {first, first + 100}) {
            if (marker >= at && marker + 2 <= at + block.size())
                block.replace(marker - at, 2, "%s");
        }
        if (file.write(block) != block.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

QString OutputPath(const char* name)
{
    return QDir(DataFolder()).filePath(QString::fromLatin1(name));
}

QByteArray ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The floor: the template streamed to another file through one reused buffer of the build's
// block size, with plain system calls, and flushed to the disk as a safe save must be.
void StreamCopy(const QString& from, const QString& to)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY);
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> buffer(kTemplateBlockSize);
    for (ssize_t got; (got = ::read(in, buffer.data(), buffer.size())) > 0;) {
        if (::write(out, buffer.data(), size_t(got)) != got)
            qFatal("write failed");
    }
    ::fdatasync(out);
    ::close(out);
    ::close(in);
}

// The other floor: what a user would type, cp and then sync, as processes.
void ShellCopy(const QString& from, const QString& to)
{
    const QByteArray command =
        "cp '" + QFile::encodeName(from) + "' '" + QFile::encodeName(to) + "' && sync";
    if (std::system(command.constData()) != 0)
        qFatal("cp failed");
}

// Each timed run starts with no dirty pages left by the one before, whose write-back would
// otherwise be charged to whichever benchmark happens to run next.
void Settle(benchmark::State& state)
{
    state.PauseTiming();
    ::sync();
    state.ResumeTiming();
}

const QByteArray kTitle = "A page title";
const QByteArray kText = "Some body text,\r\nover two lines.";

void BM_BuildPage(benchmark::State& state)
{
    const QString tpl = TemplateFile(state.range(0) * kMiB, MarkerPlace(state.range(1)));
    const QString page = OutputPath("page.html");
    for (auto _ : state) {
        Settle(state);
        BuildPage(tpl, page, kTitle, kText);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * kMiB);
}

// A floor: the template of state.range(0) MiB copied by `copy`.
void CopyBenchmark(benchmark::State& state, void (*copy)(const QString&, const QString&))
{
    const QString tpl = TemplateFile(state.range(0) * kMiB, NearEnd);
    for (auto _ : state) {
        Settle(state);
        copy(tpl, OutputPath("copy.html"));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * kMiB);
}

void BM_StreamCopy(benchmark::State& state)
{
    CopyBenchmark(state, StreamCopy);
}

void BM_ShellCopy(benchmark::State& state)
{
    CopyBenchmark(state, ShellCopy);
}

// The obvious build, for comparison only: the whole file in a string, find and replace, write
// it out (not flushed to the disk).
void BM_ObviousBuild(benchmark::State& state)
{
    const QString tpl = TemplateFile(state.range(0) * kMiB, MarkerPlace(state.range(1)));
    const std::string page = OutputPath("obvious.html").toStdString();
    for (auto _ : state) {
        Settle(state);
        std::ifstream in(tpl.toStdString(), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        std::string content = buffer.str();
        const auto p1 = content.find("%s");
        content.replace(p1, 2, kTitle.toStdString());
        const auto p2 = content.find("%s", p1);
        content.replace(p2, 2, kText.toStdString());
        std::ofstream(page, std::ios::binary) << content;
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * kMiB);
}

QByteArray& MemoryPage()
{
    static QByteArray page = ReadWhole(TemplateFile(64 * kMiB, NearEnd));
    return page;
}

void BM_FindMarkers(benchmark::State& state)
{
    const QByteArray& page = MemoryPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            FindMarker(page, FindMarker(page, 0, CodePage::Utf8()) + 2, CodePage::Utf8()));
    state.SetBytesProcessed(state.iterations() * page.size());
}

void BM_SubstituteMarkersInPlace(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QByteArray page = MemoryPage();
        page.detach();
        state.ResumeTiming();
        benchmark::DoNotOptimize(SubstituteMarkers(page, kTitle, kText));
    }
    state.SetBytesProcessed(state.iterations() * MemoryPage().size());
}

// The floor for the search: memchr over the same bytes for a byte the page lacks.
void BM_MemchrScan(benchmark::State& state)
{
    const QByteArray& page = MemoryPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(std::memchr(page.constData(), '\x01', size_t(page.size())));
    state.SetBytesProcessed(state.iterations() * page.size());
}

ProjectContent BigProject()
{
    return {"Title", ReadWhole(TemplateFile(64 * kMiB, NearEnd)), "page.html"};
}

void BM_WriteProject(benchmark::State& state)
{
    const ProjectContent content = BigProject();
    const QString path = OutputPath("big.wendle");
    for (auto _ : state) {
        Settle(state);
        OutputFile file(path);
        WriteProject(file, content);
        file.Commit();
    }
    state.SetBytesProcessed(state.iterations() * content.text.size());
}

void BM_ReadProject(benchmark::State& state)
{
    const QString path = OutputPath("read.wendle");
    {
        OutputFile file(path);
        WriteProject(file, BigProject());
        file.Commit();
    }
    for (auto _ : state) {
        Settle(state);
        InputFile file(path);
        benchmark::DoNotOptimize(ReadProject(file));
    }
    state.SetBytesProcessed(state.iterations() * 64 * kMiB);
}

void BM_PlainRead(benchmark::State& state)
{
    const QString tpl = TemplateFile(64 * kMiB, NearEnd);
    for (auto _ : state) {
        Settle(state);
        benchmark::DoNotOptimize(ReadWhole(tpl));
    }
    state.SetBytesProcessed(state.iterations() * 64 * kMiB);
}

// Writing hundreds of MiB on this kind of machine takes from 0.3 s to 1.4 s for the very same
// system calls, whoever makes them, so every figure is the median of several repetitions.
void Repeated(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(7)->ReportAggregatesOnly(true);
}

void FileArgs(benchmark::internal::Benchmark* b)
{
    Repeated(b);
    b->UseRealTime();
}

BENCHMARK(BM_BuildPage)
    ->ArgsProduct({{1, 64, 512}, {NearStart, NearEnd}})
    ->ArgNames({"MiB", "end"})
    ->Apply(FileArgs);
BENCHMARK(BM_ObviousBuild)
    ->ArgsProduct({{1, 64, 512}, {NearStart, NearEnd}})
    ->ArgNames({"MiB", "end"})
    ->Apply(FileArgs);
BENCHMARK(BM_StreamCopy)->ArgsProduct({{1, 64, 512}})->ArgNames({"MiB"})->Apply(FileArgs);
BENCHMARK(BM_ShellCopy)->ArgsProduct({{1, 64, 512}})->ArgNames({"MiB"})->Apply(FileArgs);
BENCHMARK(BM_FindMarkers)->Apply(Repeated);
BENCHMARK(BM_SubstituteMarkersInPlace)->Apply(Repeated);
BENCHMARK(BM_MemchrScan)->Apply(Repeated);
BENCHMARK(BM_WriteProject)->Apply(Repeated)->UseRealTime();
BENCHMARK(BM_ReadProject)->Apply(Repeated)->UseRealTime();
BENCHMARK(BM_PlainRead)->Apply(Repeated)->UseRealTime();

// Keeps every median so the ratios can be printed after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            std::string key = run.run_name.function_name;
            if (!run.run_name.args.empty())
                key += "/" + run.run_name.args;
            m_seconds[key] = run.GetAdjustedRealTime() / 1e3;  // ms to s
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        std::printf("\nRatios of medians (smaller is faster; each from this run):\n");
        for (const char* end : {"0", "1"}) {
            const char* place = *end == '0' ? "markers near start" : "markers near end";
            for (int mib : {1, 64, 512}) {
                const double build = Get("BM_BuildPage/MiB:%d/end:%s", mib, end);
                std::printf("  build %3d MiB, %s: %.2fx streaming copy, %.2fx cp + sync; "
                            "the obvious build %.2fx streaming copy\n",
                            mib, place, build / Get("BM_StreamCopy/MiB:%d", mib, ""),
                            build / Get("BM_ShellCopy/MiB:%d", mib, ""),
                            Get("BM_ObviousBuild/MiB:%d/end:%s", mib, end)
                                / Get("BM_StreamCopy/MiB:%d", mib, ""));
            }
            const double perByte512 = Get("BM_BuildPage/MiB:%d/end:%s", 512, end) / 512;
            const double perByte64 = Get("BM_BuildPage/MiB:%d/end:%s", 64, end) / 64;
            std::printf("  time per byte at 512 MiB / at 64 MiB, %s: %.2f\n", place,
                        perByte512 / perByte64);
        }
        std::printf(
            "  find markers / memchr scan: %.2f;  substitute in place / memchr scan: %.2f\n",
            Get("BM_FindMarkers", 0, "") / Get("BM_MemchrScan", 0, ""),
            Get("BM_SubstituteMarkersInPlace", 0, "") / Get("BM_MemchrScan", 0, ""));
        std::printf("  write project / streaming copy: %.2f;  read project / plain read: %.2f\n",
                    Get("BM_WriteProject", 0, "") / Get("BM_StreamCopy/MiB:%d", 64, ""),
                    Get("BM_ReadProject", 0, "") / Get("BM_PlainRead", 0, ""));
    }

private:
    double Get(const char* pattern, int number, const char* text) const
    {
        char name[128];
        std::snprintf(name, sizeof name, pattern, number, text);
        const auto it = m_seconds.find(name);
        return it == m_seconds.end() ? std::nan("") : it->second;
    }

    std::map<std::string, double> m_seconds;
};

// Peak memory (maximum resident set) of a child process that runs `work`.
double PeakMiB(const std::function<void()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("the measured child failed");
    return double(usage.ru_maxrss) / 1024;
}

// Peak memory of builds of 512 MiB and 5 GiB templates, each in a child whose accounting holds
// nothing else, beside a child that only has the QCoreApplication.
int PeakMemory()
{
    const double bare = PeakMiB([] {});
    std::printf("peak memory of a bare QCoreApplication: %.1f MiB\n", bare);
    for (const qint64 mib : {512, 5 * 1024}) {
        const QString tpl = TemplateFile(mib * kMiB, NearEnd);
        const double peak =
            PeakMiB([&] { BuildPage(tpl, OutputPath("peak.html"), kTitle, kText); });
        std::printf("peak memory of a %lld MiB build: %.1f MiB, %.1f MiB above it (limit 16)\n",
                    static_cast<long long>(mib), peak, peak - bare);
        QFile::remove(OutputPath("peak.html"));
    }
    return 0;
}

// The median of `runs` timings of `work`, in seconds, each after sync().
double MedianSeconds(int runs, const std::function<void()>& work)
{
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        ::sync();
        const auto start = std::chrono::steady_clock::now();
        work();
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

// The page build beside its two floors, the three taking turns (median of 11 rounds each), so
// that the disk's slow and fast spells fall on all of them alike: on this kind of machine the
// same write of hundreds of MiB takes from 0.3 s to 1.4 s. WENDLE_BENCH_ROUNDS=1 prints every
// round.
int Alternate()
{
    for (const MarkerPlace place : {NearStart, NearEnd}) {
        std::map<int, double> perMiB;
        for (const int mib : {64, 256, 512}) {
            const QString tpl = TemplateFile(mib * kMiB, place);
            std::vector<double> build, stream, shell;
            for (int round = 0; round < 11; ++round) {
                build.push_back(MedianSeconds(
                    1, [&] { BuildPage(tpl, OutputPath("page.html"), kTitle, kText); }));
                stream.push_back(
                    MedianSeconds(1, [&] { StreamCopy(tpl, OutputPath("copy.html")); }));
                shell.push_back(MedianSeconds(1, [&] { ShellCopy(tpl, OutputPath("cp.html")); }));
            }
            if (qEnvironmentVariableIsSet("WENDLE_BENCH_ROUNDS"))
                for (size_t r = 0; r < build.size(); ++r)
                    std::printf("  round %zu: %.0f %.0f %.0f\n", r, build[r] * 1e3, stream[r] * 1e3,
                                shell[r] * 1e3);
            for (auto* times : {&build, &stream, &shell})
                std::sort(times->begin(), times->end());
            const size_t mid = build.size() / 2;
            perMiB[mib] = build[mid] / mib;
            std::printf("build %3d MiB, markers near %s: %.0f ms; streaming copy %.0f ms (%.2fx); "
                        "cp + sync %.0f ms (%.2fx)\n",
                        mib, place == NearStart ? "start" : "end", build[mid] * 1e3,
                        stream[mid] * 1e3, build[mid] / stream[mid], shell[mid] * 1e3,
                        build[mid] / shell[mid]);
        }
        std::printf("time per byte at 512 MiB / at 64 MiB, markers near %s: %.2f\n",
                    place == NearStart ? "start" : "end", perMiB[512] / perMiB[64]);
    }
    return 0;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void RunOrDie(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
}

// The floor of a durable batch: one process creates, writes and renames `count` files of
// `page`'s bytes beside each other, with one syncfs() for all their data before the renames
// and one fsync() of the folder after them.
void DurableFloor(const QString& folder, int count, const QByteArray& page)
{
    std::vector<QByteArray> names;
    for (int i = 0; i < count; ++i) {
        names.push_back(QFile::encodeName(QStringLiteral("%1/f%2.html").arg(folder).arg(i)));
        const QByteArray temp = names.back() + ".tmp";
        const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 || ::write(fd, page.data(), size_t(page.size())) != page.size())
            qFatal("the floor cannot write");
        ::close(fd);
    }
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (::syncfs(dir) != 0)
        qFatal("syncfs failed");
    for (const QByteArray& name : names)
        if (::rename((name + ".tmp").constData(), name.constData()) != 0)
            qFatal("the floor cannot rename");
    ::fsync(dir);
    ::close(dir);
}

// Many small pages: `wendle --build` of N projects (a 2.6 KiB text each, one template) beside
// its peers building the same pages and its floor, taking turns, medians of the rounds:
//   Hugo        N content files through one layout, all cores; flushes nothing
//   sed         one process per page, as a shell loop; flushes nothing (50 pages, scaled)
//   pandoc      --template, one process per page; flushes nothing (50 pages, scaled)
//   floor       DurableFloor above: every page durable, as wendle's
// Then the start-up of a headless run of one project, beside --version.
int Batch(const QString& wendle)
{
    const QByteArray layout = QByteArray("<html><head><title>%s</title></head><body>\n")
        + QByteArray(900, 'x') + "\n<main>%s</main></body></html>\n";
    const QByteArray text = QByteArray("A paragraph of the page's text.\r\n").repeated(80);
    const QByteArray page = QByteArray(layout).replace("%s", "A title").replace("%s", text);
    constexpr int kSample = 50;
    QString oneProject;
    for (const int count : {1000, 10000}) {
        QDir folder(QDir(DataFolder()).filePath(QStringLiteral("batch-%1").arg(count)));
        folder.removeRecursively();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        WriteBytes(folder.filePath("wendle.ini"), "[Template File]\nFileName=t.html\n");
        WriteBytes(folder.filePath("site/t.html"), layout);
        QByteArray single = layout;
        WriteBytes(folder.filePath("hugo/layouts/_default/single.html"),
                   single.replace("%s", "{{ .Title }}").replace("%s", "{{ .RawContent }}"));
        WriteBytes(folder.filePath("hugo/config.toml"),
                   "baseURL = \"http://localhost/\"\ndisableKinds = [\"taxonomy\", \"term\", "
                   "\"RSS\", \"sitemap\", \"robotsTXT\", \"404\", \"home\", \"section\"]\n");
        QByteArray pandocLayout = layout;
        WriteBytes(folder.filePath("pandoc/t.html"),
                   pandocLayout.replace("%s", "$title$").replace("%s", "$body$"));
        WriteBytes(folder.filePath("pandoc/body.md"), QByteArray(text).replace("\r", ""));
        WriteBytes(folder.filePath("sed/t.html"), layout);
        QStringList projects{QStringLiteral("--build")};
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("p%1").arg(i, 5, 10, QLatin1Char('0'));
            WriteBytes(folder.filePath("site/" + name + ".wendle"),
                       EncodeProject({"A title", text, (name + ".html").toUtf8()}));
            WriteBytes(folder.filePath("hugo/content/" + name + ".md"),
                       "---\ntitle: \"A title\"\n---\n" + QByteArray(text).replace("\r", ""));
            projects << folder.filePath("site/" + name + ".wendle");
        }
        oneProject = projects[1];
        folder.mkpath("floor");
        // One line of the text for sed, which replaces within a line.
        const QString sedLoop =
            QStringLiteral(
                "cd '%1' && for i in $(seq %2); do sed -e 's/%s/A title/' -e 's/%s/%3/' t.html "
                "> p$i.html; done")
                .arg(folder.filePath("sed"))
                .arg(kSample)
                .arg(QStringLiteral("A paragraph of the text"));
        const QString pandocLoop =
            QStringLiteral(
                "cd '%1' && for i in $(seq %2); do pandoc --template=t.html -M title='A title' "
                "body.md -o p$i.html; done")
                .arg(folder.filePath("pandoc"))
                .arg(kSample);
        std::map<std::string, std::vector<double>> times;
        const int rounds = count > 1000 ? 3 : 5;
        for (int round = 0; round < rounds; ++round) {
            times["wendle"].push_back(MedianSeconds(1, [&] { RunOrDie(wendle, projects); }));
            times["hugo"].push_back(MedianSeconds(1, [&] {
                RunOrDie("hugo", {"--quiet", "-s", folder.filePath("hugo")});
            }));
            times["floor"].push_back(
                MedianSeconds(1, [&] { DurableFloor(folder.filePath("floor"), count, page); }));
            times["sed"].push_back(MedianSeconds(1,
                                                 [&] {
                                                     RunOrDie("bash", {"-c", sedLoop});
                                                 })
                                   * count / kSample);
            times["pandoc"].push_back(MedianSeconds(1,
                                                    [&] {
                                                        RunOrDie("bash", {"-c", pandocLoop});
                                                    })
                                      * count / kSample);
        }
        std::map<std::string, double> median;
        for (auto& [tool, seconds] : times) {
            std::sort(seconds.begin(), seconds.end());
            median[tool] = seconds[seconds.size() / 2];
        }
        std::printf("%d pages: wendle --build %.3f s (durable); Hugo %.3f s; floor %.3f s "
                    "(durable); sed loop %.1f s; pandoc loop %.1f s (both scaled from %d)\n",
                    count, median["wendle"], median["hugo"], median["floor"], median["sed"],
                    median["pandoc"], kSample);
        std::printf("%d pages: wendle / Hugo %.2fx (target 0.5x); wendle / floor %.2fx "
                    "(target 1.2x)\n",
                    count, median["wendle"] / median["hugo"], median["wendle"] / median["floor"]);
    }
    const double one = MedianSeconds(21, [&] { RunOrDie(wendle, {"--build", oneProject}); });
    const double version = MedianSeconds(21, [&] { RunOrDie(wendle, {"--version"}); });
    std::printf("headless start-up: wendle --build of one project %.1f ms, wendle --version %.1f "
                "ms\n",
                one * 1e3, version * 1e3);
    return 0;
}

// The resident memory of a running process, in KiB.
long ResidentKiB(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// wendle --build --watch over 1 project and over 1,000 sharing one template: the time from a
// save of the template (a new file renamed over it, as editors save) until every page is built
// and on the disk ("built" printed), median of 20 saves, beside wendle --build of the same
// pages; and, for 1,000 projects, the watch's memory after the first rebuild and after 100.
int Watch(const QString& wendle)
{
    for (const int count : {1, 1000}) {
        QDir folder(QDir(DataFolder()).filePath(QStringLiteral("watch-%1").arg(count)));
        folder.removeRecursively();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        WriteBytes(folder.filePath("wendle.ini"), "[Template File]\nFileName=t.html\n");
        const QString tpl = folder.filePath("site/t.html");
        WriteBytes(tpl, "<h1>%s</h1>%s");
        QStringList projects;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("p%1").arg(i, 4, 10, QLatin1Char('0'));
            WriteBytes(folder.filePath("site/" + name + ".wendle"),
                       EncodeProject({"A title", "Some text", (name + ".html").toUtf8()}));
            projects << folder.filePath("site/" + name + ".wendle");
        }
        const double build =
            MedianSeconds(3, [&] { RunOrDie(wendle, QStringList{"--build"} + projects); });
        QProcess watch;
        watch.start(wendle, QStringList{"--build", "--watch", "--verbose"} + projects);
        // Waits until `count` more pages are reported built.
        const auto built = [&watch, count] {
            for (int lines = 0; lines < count;) {
                if (!watch.canReadLine() && !watch.waitForReadyRead(30000))
                    qFatal("the watch stopped building");
                while (watch.canReadLine())
                    lines += watch.readLine().startsWith("built ");
            }
        };
        built();
        int saves = 0;
        const auto save = [&] {
            WriteBytes(tpl + ".new", "<h1>%s</h1>%s<!-- " + QByteArray::number(++saves) + " -->");
            if (::rename(QFile::encodeName(tpl + ".new").constData(),
                         QFile::encodeName(tpl).constData())
                != 0)
                qFatal("cannot rename the template");
        };
        std::vector<double> latency;
        long first = 0;
        for (int i = 0; i < (count > 1 ? 100 : 20); ++i) {
            QThread::msleep(150);  // apart, so that each save is a burst of its own
            const auto start = std::chrono::steady_clock::now();
            save();
            built();
            if (i < 20)
                latency.push_back(
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                        .count());
            if (i == 0)
                first = ResidentKiB(watch.processId());
        }
        const long last = ResidentKiB(watch.processId());
        watch.terminate();
        watch.waitForFinished();
        std::sort(latency.begin(), latency.end());
        std::printf("watch of %d project%s: from a template's save to every page on the disk "
                    "%.0f ms (median of 20; --build of the same pages %.0f ms; target under "
                    "150 ms + that)\n",
                    count, count > 1 ? "s" : "", latency[latency.size() / 2] * 1e3, build * 1e3);
        if (count > 1)
            std::printf("watch of %d projects: resident memory after the first rebuild %ld KiB, "
                        "after 100 rebuilds %ld KiB (exit status %d)\n",
                        count, first, last, watch.exitCode());
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--peak-memory") == 0)
        return PeakMemory();
    if (argc > 1 && std::strcmp(argv[1], "--alternate") == 0)
        return Alternate();
    if (argc > 2 && std::strcmp(argv[1], "--batch") == 0)
        return Batch(QString::fromLocal8Bit(argv[2]));
    if (argc > 2 && std::strcmp(argv[1], "--watch") == 0)
        return Watch(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
