// SPDX-License-Identifier: MIT
// Appends 20,000 lines to a conversation window's pane, offscreen, and
// reports the append rate, the 99th-percentile time of one append and the
// time of the appends that trim. The pane is cut back from over 600 lines to
// 500 in one edit every hundred lines; those appends must stay cheap too.
#include "UnitQuorChat.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int LineTotal = 20000;

double Percentile(std::vector<double> sorted, double fraction) {
    std::sort(sorted.begin(), sorted.end());
    const auto index = static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return sorted[index];
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TFormQuorChat window;
    window.SetOwnName(QStringLiteral("alice"));
    window.SetPeerName(QStringLiteral("bob"));
    window.show();
    QApplication::processEvents();

    using Clock = std::chrono::steady_clock;
    std::vector<double> micros;
    micros.reserve(LineTotal);
    std::vector<double> trimMicros;
    double totalSeconds = 0;
    int largestPane = 0;
    for (int i = 0; i < LineTotal; ++i) {
        const QString line =
            QStringLiteral("bob: \tline %1 of a long conversation, long enough to wrap once or "
                           "twice in the narrow pane of the conversation window")
                .arg(i);
        const int linesBefore = window.LineCount();
        const auto start = Clock::now();
        window.AddLine(line);
        const std::chrono::duration<double> taken = Clock::now() - start;
        totalSeconds += taken.count();
        micros.push_back(taken.count() * 1e6);
        if (window.LineCount() <= linesBefore)
            trimMicros.push_back(micros.back());
        largestPane = std::max(largestPane, window.LineCount());
        // Let the window repaint now and then, as it would while people talk.
        if (i % 50 == 0)
            QApplication::processEvents();
    }

    std::printf("bench_chat_pane: %d lines appended in %.3f s: %.0f lines/s; one append: "
                "median %.1f us, p99 %.1f us, max %.1f us; %zu appends that trimmed: median "
                "%.1f us, max %.1f us; pane never above %d lines\n",
                LineTotal, totalSeconds, LineTotal / totalSeconds, Percentile(micros, 0.5),
                Percentile(micros, 0.99), *std::max_element(micros.begin(), micros.end()),
                trimMicros.size(), Percentile(trimMicros, 0.5),
                *std::max_element(trimMicros.begin(), trimMicros.end()), largestPane);
    // The pane rule allows 601 lines at most (600 plus the one just added).
    return largestPane <= 601 ? 0 : 1;
}
