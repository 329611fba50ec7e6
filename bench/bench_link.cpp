// Prints two figures of the board link:
//  1. the CPU used by the process while it waits 2 s for a reply that never comes, as a fraction
//     of the wall time (a 1 kHz polling loop would cost several percent);
//  2. the round trip of "WHO=" against the simulated board paced at 9600 baud, as a ratio to the
//     wire time of the bytes exchanged;
//  3. the port search: through COM3..COM256 when no name leads anywhere, and to a paced board on COM9.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

#include "core/app.h"
#include "dialogs/settings_dialog.h"
#include "fixtures.h"

namespace {
double Cpu_Seconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
constexpr double kByteSeconds = 10.0 / 9600.0;  // start bit, 8 data bits, stop bit
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Program_Fixture fx(false);
    fx.start();
    Board_Link& link = app().link;

    {
        Board_Sim sim(fx.portsDir(), 5, {"--silent"});
        link.Port_Handle = Open_Port("COM5", "9600", "None", app().Program_Dir);
        app().Attempts = 1;
        app().Timeout_for_command = 2000;
        QElapsedTimer wall;
        const double cpu0 = Cpu_Seconds();
        wall.start();
        link.Command_Line = "WHO=";
        link.Exchange_Command();
        const double wall_s = wall.nsecsElapsed() / 1e9;
        const double cpu_s = Cpu_Seconds() - cpu0;
        std::printf("wait for a silent board: wall %.3f s, cpu %.4f s, cpu/wall %.4f (target below 0.02)\n",
                    wall_s, cpu_s, cpu_s / wall_s);
        Close_Port(link.Port_Handle);
    }
    {
        Board_Sim sim(fx.portsDir(), 6, {"--pace"});
        link.Port_Handle = Open_Port("COM6", "9600", "None", app().Program_Dir);
        app().Timeout_for_command = 1000;
        QList<double> ratios, answer_ratios;
        qint64 bytes_out = 0, bytes_in = 0;
        for (int i = 0; i < 21; ++i) {
            QElapsedTimer t;
            t.start();
            link.Command_Line = "WHO=";
            link.Exchange_Command();
            const double s = t.nsecsElapsed() / 1e9;
            if (!link.Outcome.Identity_Received) {
                std::printf("round trip %d: no identity\n", i);
                continue;
            }
            bytes_out = link.Command_Line.size();
            bytes_in = link.Outcome.Reply_Line.size() + 2;
            ratios << s / ((bytes_out + bytes_in) * kByteSeconds);
            answer_ratios << s / (bytes_in * kByteSeconds);
        }
        std::sort(ratios.begin(), ratios.end());
        std::sort(answer_ratios.begin(), answer_ratios.end());
        if (!ratios.isEmpty()) {
            std::printf(
                "WHO= round trip at 9600 baud: %lld bytes out, %lld bytes in, wire time %.2f ms; "
                "median ratio to wire time %.3f (min %.3f, max %.3f; target below 1.10)\n",
                bytes_out, bytes_in, (bytes_out + bytes_in) * kByteSeconds * 1000, ratios[ratios.size() / 2],
                ratios.first(), ratios.last());
            std::printf(
                "  (a pseudo-terminal carries the request instantly; against the answer's wire time alone "
                "the "
                "median ratio is %.3f)\n",
                answer_ratios[answer_ratios.size() / 2]);
        }
    }
    {
        QElapsedTimer t;
        t.start();
        app().Form2->Button2Click();
        std::printf("port search, no port at all (254 names): %.1f ms, found %d\n", t.nsecsElapsed() / 1e6,
                    app().Port_Found);
        Board_Sim sim(fx.portsDir(), 9, {"--pace"});
        t.restart();
        app().Form2->Button2Click();
        std::printf("port search, board on COM9 (COM3..COM8 absent): %.1f ms, found %d on %s\n",
                    t.nsecsElapsed() / 1e6, app().Port_Found, qPrintable(app().Port_Number));
    }
    return 0;
}
