// How long the real main window takes to take a pasted megabyte into each of
// its input boxes, and to compute with a megabyte in every box.
//   QT_QPA_PLATFORM=offscreen build/bench/inputsize

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

#include "ui/main/frmmain.h"
#include "ui/common/application.h"

int main(int argc, char** argv)
{
    ui::Application app(argc, argv);
    frmMain window;
    window.show();
    QApplication::processEvents();

    const char* const boxes[] = {"txtScore", "txtMean", "txtSD", "txtUserStipulatedSD", "txtUserStipulatedPercentile",
                                 "txtMeasure"};
    const QString megabyte = QStringLiteral("  12.5") + QString((1 << 20) - 6, QLatin1Char('7'));
    QApplication::clipboard()->setText(megabyte);
    double worst = 0;
    for (const char* name : boxes) {
        auto* box = window.findChild<QLineEdit*>(QString::fromLatin1(name));
        QElapsedTimer t;
        t.start();
        QTest::keySequence(box, QKeySequence::Paste);
        box->repaint();
        const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
        worst = std::max(worst, ms);
        std::printf("paste_1mb box %s ms %.0f chars %lld\n", name, ms, static_cast<long long>(box->text().size()));
    }
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(window.findChild<QPushButton*>("cmdGo"), Qt::LeftButton);
    window.repaint();
    std::printf("go_with_1mb_in_every_box ms %.0f z_score %s\n", static_cast<double>(t.nsecsElapsed()) / 1e6,
                qPrintable(window.findChild<QLineEdit*>("txtZScore")->text()));
    std::printf("paste_1mb worst_ms %.0f\n", worst);
    return 0;
}
