// SPDX-License-Identifier: MIT
// Speed of the pane line rule as the windows use it: 20,000 appends, so the
// 600/500 trimming runs about 200 times. Target: at least 5,000 lines per
// second and a 99th percentile under 5 ms per append.
//
// Each append is timed twice: on the wall clock and on the thread's CPU
// clock. On a loaded machine the wall clock also counts the time other
// processes held the CPU; the CPU clock counts only the pane's own work.
#include "ChatClient.h"
#include "LogStyles.h"
#include "UnitQuorChat.h"
#include "UnitQuorMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int LineCount = 20000;

double ThreadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Percentile99(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() * 99 / 100];
}

/// Runs append(i) LineCount times and prints rates and 99th percentiles.
void Measure(const char *name, const std::function<void(int)> &append) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> wall;
    std::vector<double> cpu;
    wall.reserve(LineCount);
    cpu.reserve(LineCount);
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuMilliseconds();
    for (int i = 0; i < LineCount; ++i) {
        const auto before = Clock::now();
        const double cpuBefore = ThreadCpuMilliseconds();
        append(i);
        cpu.push_back(ThreadCpuMilliseconds() - cpuBefore);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
    }
    const double wallSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpuSeconds = (ThreadCpuMilliseconds() - cpuStart) / 1e3;
    std::printf("%-24s wall: %7.0f lines/s, p99 %6.3f ms | cpu: %7.0f lines/s, p99 %6.3f ms, "
                "max %6.3f ms (%d lines)\n",
                name, LineCount / wallSeconds, Percentile99(wall), LineCount / cpuSeconds,
                Percentile99(cpu), *std::max_element(cpu.begin(), cpu.end()), LineCount);
}

QString SampleText(int i) {
    return QStringLiteral("bob (to alice): \tline %1 of the benchmark, long enough to wrap "
                          "once or twice in the pane like a real chat line does")
        .arg(i);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;

    hbquor::client::ChatClient client;
    TFormQuorMainOptions options;
    options.Files = AppFiles::InFolder(folder.path(), QStringLiteral("hbquor"));
    options.ShowMessage = [](const QString &) {};
    TFormQuorMain window(client, std::move(options));
    window.show();
    const TLogStyle styles[] = {lsStatus, lsConnection, lsChat, lsTelegramBody, lsInvitation};
    Measure("main window AddLogLine",
            [&window, &styles](int i) { window.Log().AddLine(styles[i % 5], SampleText(i)); });

    TFormQuorChat chat;
    chat.SetPeerName(QStringLiteral("bob"));
    chat.show();
    Measure("conversation AddLine", [&chat](int i) { chat.AddLine(SampleText(i)); });
    return 0;
}
