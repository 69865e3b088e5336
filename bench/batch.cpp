// The time from Go to the table shown, in the real many-scores window, for
// 10,000 pasted scores with a reliability given, beside one Go of the main
// window with the typical request.
//   QT_QPA_PLATFORM=offscreen build/bench/batch [runs]

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/design/frmbatch.h"
#include "ui/common/application.h"
#include "ui/common/calculationwindow.h"
#include "ui/main/frmmain.h"

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename Act>
double Ms(Act act)
{
    QElapsedTimer t;
    t.start();
    act();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    ui::Application app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QString scores;
    for (int i = 0; i < 10000; ++i)
        scores += QString::number(20 + (i * 7919) % 6000 / 100.0) + QLatin1Char('\n');
    ui::CalculationWindow batch(nullptr, core::design::frmBatch, nullptr);
    batch.show();
    for (const auto& [name, text] : {std::pair{"txtMean", "50"}, {"txtSD", "10"}, {"txtReliability", "0.9"}, {"txtLevel", "95"}})
        batch.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    batch.findChild<QPlainTextEdit*>("txtScores")->setPlainText(scores);
    auto* grid = batch.findChild<QTableView*>("grdScores");
    QApplication::processEvents();
    std::vector<double> many;
    for (int i = 0; i < runs; ++i)
        many.push_back(Ms([&] {
            batch.findChild<QPushButton*>("cmdGo")->click();
            grid->repaint();
        }));

    frmMain main;
    main.show();
    for (const auto& [name, text] : {std::pair{"txtMean", "50"}, {"txtSD", "10"}, {"txtScore", "65"}})
        main.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    QApplication::processEvents();
    std::vector<double> one;
    for (int i = 0; i < runs; ++i)
        one.push_back(Ms([&] {
            main.findChild<QPushButton*>("cmdGo")->click();
            main.repaint();
        }));
    std::printf("many_scores_go_ms %.1f rows %d (10,000 scores with a reliability; median of %d, %.1f-%.1f)\n",
                Median(many), grid->model()->rowCount(), runs, *std::min_element(many.begin(), many.end()),
                *std::max_element(many.begin(), many.end()));
    std::printf("main_window_go_ms %.3f (median of %d)\n", Median(one), runs);
    return 0;
}
