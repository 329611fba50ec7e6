// Prints the time of the full Write cycle (port search on the first port, SEND, SETS, READ)
// against the simulated board paced at 9600 baud, as a ratio to the wire time of every byte
// that crossed the line in both directions.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

#include "core/app.h"
#include "fixtures.h"
#include "operations/main_operations.h"
#include "ui_tform2.h"

namespace {
constexpr double kByteSeconds = 10.0 / 9600.0;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Program_Fixture fx(false);
    Modal_Closer closer;
    fx.start();
    Board_Sim sim(fx.portsDir(), 3, {"--pace"});
    if (!sim.ready()) {
        std::printf("the simulated board did not start\n");
        return 1;
    }
    QList<double> ratios, answer_ratios, seconds;
    double wire_all = 0, wire_answers = 0;
    for (int run = 0; run < 9; ++run) {
        app().Form2->ui()->Memo3->clear();
        const int before = sim.received().size();
        QElapsedTimer t;
        t.start();
        Upload_Values();
        const double s = t.nsecsElapsed() / 1e9;
        if (fx.form1()->Status(0) != QStringLiteral("Sent OK")) {
            std::printf("run %d: %s\n", run, qPrintable(fx.form1()->Status(0)));
            continue;
        }
        qint64 out = 0, in = 0;
        const QList<QByteArray> sent = sim.received();
        for (int i = before; i < sent.size(); ++i)
            out += sent[i].size() + 2;
        for (const QString& line : app().Form2->ui()->Memo3->toPlainText().split('\n'))
            in += line.size() + 2;
        wire_all = (out + in) * kByteSeconds;
        wire_answers = in * kByteSeconds;
        seconds << s;
        ratios << s / wire_all;
        answer_ratios << s / wire_answers;
    }
    if (ratios.isEmpty())
        return 1;
    std::sort(ratios.begin(), ratios.end());
    std::sort(answer_ratios.begin(), answer_ratios.end());
    std::sort(seconds.begin(), seconds.end());
    std::printf(
        "Write cycle at 9600 baud (%lld runs): median %.1f ms (min %.1f, max %.1f); wire time of all "
        "bytes %.1f ms; median ratio %.3f (min %.3f, max %.3f; target below 1.10)\n",
        static_cast<long long>(ratios.size()), seconds[seconds.size() / 2] * 1000, seconds.first() * 1000,
        seconds.last() * 1000, wire_all * 1000, ratios[ratios.size() / 2], ratios.first(), ratios.last());
    std::printf(
        "  (the pseudo-terminal carries requests instantly; against the answers' wire time alone, %.1f ms, "
        "the median ratio is %.3f)\n",
        wire_answers * 1000, answer_ratios[answer_ratios.size() / 2]);
    return 0;
}
