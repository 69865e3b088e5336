#include "tests/ui/frmmain_test.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QClipboard>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "core/design/frmmain.h"
#include "core/calculations/scoreanalysis.h"
#include "tests/ui/uitest.h"
#include "ui/main/frmmain.h"
#include "ui/common/statusbar.h"

using uitest::Box;
using uitest::Type;

namespace {

const char* const kInputs[] = {"txtScore", "txtMean", "txtSD", "txtUserStipulatedSD", "txtUserStipulatedPercentile",
                               "txtMeasure"};
// The fourteen result boxes, in the order the analysis fills them.
std::vector<const char*> ResultBoxes()
{
    std::vector<const char*> names;
    for (const core::ResultBox& box : core::kResultBoxes)
        names.push_back(box.name.data());
    return names;
}
const std::vector<const char*> kResults = ResultBoxes();

QStringList Texts(QWidget* w, std::initializer_list<const char*> names)
{
    QStringList texts;
    for (const char* n : names)
        texts << Box(w, n)->text();
    return texts;
}

}  // namespace

void TestMainWindow::init()
{
    uitest::ForgetSession();
    QLocale::setDefault(QLocale::c());
    window = std::make_unique<frmMain>();
    uitest::ShowAndActivate(window.get());
}

void TestMainWindow::cleanup()
{
    uitest::ForgetWaits();
    window.reset();
    QLocale::setDefault(QLocale::c());
}

void TestMainWindow::opensEmptyWithFocusInRawScore()
{
    for (const char* n : kInputs)
        QCOMPARE(Box(window.get(), n)->text(), QString());
    for (const char* n : kResults)
        QCOMPARE(Box(window.get(), n)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), Box(window.get(), "txtScore"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Mervane"));
    QCOMPARE(window->size(), QSize(660, 563));
}

void TestMainWindow::computes_data()
{
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QString>("sd");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("p");
    QTest::addColumn<QStringList>("expected");  // cut-offs, percentiles, raw score, stipulated SD and percentile

    QTest::newRow("typical") << "50" << "10" << "65" << "" << ""
                             << QStringList{"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "1.5", "93.32",
                                            "86.64", "", "", "", ""};
    QTest::newRow("every box") << "50" << "10" << "65" << "2" << "90"
                               << QStringList{"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "1.5",
                                              "93.32", "86.64", "2", "70", "90", "62.82"};
    QTest::newRow("leading point and zeros") << ".5" << "010" << "" << "1.50" << ""
                                             << QStringList{"10.5", "20.1", "26.3", "-6.24", "7.24", "16.95", "23.76",
                                                            "", "", "", "1.5", "15.5", "", ""};
    // longer than its box: the box shows the start, "0.12345", not the end
    QTest::newRow("long stipulated SD") << "50" << "10" << "" << "0.123456789012" << ""
                                        << QStringList{"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "",
                                                       "", "", "0.123456789012", "51.23", "", ""};
}

void TestMainWindow::computes()
{
    QFETCH(QString, mean);
    QFETCH(QString, sd);
    QFETCH(QString, score);
    QFETCH(QString, k);
    QFETCH(QString, p);
    QFETCH(QStringList, expected);
    Type(window.get(), "txtMean", mean);
    Type(window.get(), "txtSD", sd);
    Type(window.get(), "txtScore", score);
    Type(window.get(), "txtUserStipulatedSD", k);
    Type(window.get(), "txtUserStipulatedPercentile", p);
    QTest::mouseClick(uitest::Button(window.get(), "cmdGo"), Qt::LeftButton);

    QStringList got;
    for (const char* n : kResults) {
        got << Box(window.get(), n)->text();
        QCOMPARE(Box(window.get(), n)->cursorPosition(), 0);
    }
    QCOMPARE(got, expected);
}

void TestMainWindow::showsTheMessageAfterWritingTheResults()
{
    Type(window.get(), "txtMean", "50");
    Type(window.get(), "txtSD", "10");
    Type(window.get(), "txtUserStipulatedSD", "1.5");
    Type(window.get(), "txtUserStipulatedPercentile", "150");
    QStringList whileShown;
    uitest::Message message;
    uitest::ExpectMessage(message, nullptr, [&] {
        whileShown = Texts(window.get(), {"txtSD1", "txtSDUser", "txtUserSDAnswer", "txtPercentileUser"});
    });
    QTest::mouseClick(uitest::Button(window.get(), "cmdGo"), Qt::LeftButton);

    QVERIFY(message.seen);
    QCOMPARE(message.text, QStringLiteral("You cannot have a percentile above 100 or below 0"));
    QCOMPARE(message.title, QStringLiteral("Mervane"));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(whileShown, (QStringList{"60", "1.5", "65", ""}));
    QCOMPARE(Box(window.get(), "txtUserStipulatedPercentile")->text(), QStringLiteral("150"));
}

void TestMainWindow::aMissingMeanEmptiesEveryResult()
{
    Type(window.get(), "txtMean", "50");
    Type(window.get(), "txtSD", "10");
    QTest::mouseClick(uitest::Button(window.get(), "cmdGo"), Qt::LeftButton);
    QCOMPARE(Box(window.get(), "txtSD1")->text(), QStringLiteral("60"));
    Box(window.get(), "txtZScore")->setText("typed by hand");

    Box(window.get(), "txtMean")->clear();
    uitest::Message message;
    uitest::ExpectMessage(message);
    QTest::mouseClick(uitest::Button(window.get(), "cmdGo"), Qt::LeftButton);
    QCOMPARE(message.text, QStringLiteral("At the least, measure mean and measure SD field mus be entered."));
    for (const char* n : kResults)
        QCOMPARE(Box(window.get(), n)->text(), QString());
}

void TestMainWindow::clearEmptiesTheTwentyBoxesOnly()
{
    for (const char* n : kInputs)
        Type(window.get(), n, "12");
    QTest::mouseClick(uitest::Button(window.get(), "cmdGo"), Qt::LeftButton);
    Box(window.get(), "txtScoreName")->setText("My own caption");
    const QString status = window->findChild<ui::StatusBar*>("StatusBar")->findChild<QLabel*>("Panel1")->text();

    QTest::mouseClick(uitest::Button(window.get(), "cmdClear"), Qt::LeftButton);
    for (const char* n : kInputs)
        QCOMPARE(Box(window.get(), n)->text(), QString());
    for (const char* n : kResults)
        QCOMPARE(Box(window.get(), n)->text(), QString());
    QCOMPARE(Box(window.get(), "txtScoreName")->text(), QStringLiteral("My own caption"));
    QCOMPARE(Box(window.get(), "txtPercName")->text(), QStringLiteral("Percentile of Raw Score:"));
    QCOMPARE(window->findChild<ui::StatusBar*>("StatusBar")->findChild<QLabel*>("Panel1")->text(), status);
}

void TestMainWindow::filtersTypedKeys_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("digits and one point") << "txtMean" << "1.2.3" << "1.23";
    QTest::newRow("leading point") << "txtSD" << ".5" << ".5";
    QTest::newRow("signs, letters, comma, blank") << "txtScore" << "-+e, x7" << "7";
    QTest::newRow("twenty digits") << "txtUserStipulatedSD" << "12345678901234567890" << "12345678901234567890";
    QTest::newRow("outside the single-byte set") << "txtUserStipulatedPercentile" << QString::fromUtf8("9€½5") << "95";
    QTest::newRow("measure name is free") << "txtMeasure" << "WAIS-IV, 4th ed." << "WAIS-IV, 4th ed.";
    QTest::newRow("results are free") << "txtZScore" << "-1e5 x" << "-1e5 x";
}

void TestMainWindow::filtersTypedKeys()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    Type(window.get(), box.toLatin1().constData(), keys);
    QCOMPARE(Box(window.get(), box.toLatin1().constData())->text(), expected);
}

void TestMainWindow::editingKeysStillWork()
{
    QLineEdit* mean = Box(window.get(), "txtMean");
    QTest::keyClicks(mean, "12.5");
    QTest::keyClick(mean, Qt::Key_Backspace);
    QCOMPARE(mean->text(), QStringLiteral("12."));
    QTest::keyClick(mean, Qt::Key_Home);
    // A real keyboard's Delete carries the DEL character.
    QTest::sendKeyEvent(QTest::Press, mean, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, mean, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
    QCOMPARE(mean->text(), QStringLiteral("2."));
    QTest::keyClick(mean, Qt::Key_End);
    QTest::keyClick(mean, Qt::Key_Left);
    QTest::keyClick(mean, Qt::Key_Period);  // the point already there blocks another one, wherever the caret is
    QCOMPARE(mean->text(), QStringLiteral("2."));
    QTest::keyClick(mean, Qt::Key_End);
    QTest::keyClick(mean, Qt::Key_Backspace);
    QTest::keyClick(mean, Qt::Key_Backspace);
    QTest::keyClick(mean, Qt::Key_Backspace);  // on an empty box too
    QCOMPARE(mean->text(), QString());
    QTest::keyClick(mean, Qt::Key_Period);
    QCOMPARE(mean->text(), QStringLiteral("."));

    // A point typed over a selected point is refused as well.
    mean->selectAll();
    QTest::keyClick(mean, Qt::Key_Period);
    QCOMPARE(mean->text(), QStringLiteral("."));

    QLineEdit* sd = Box(window.get(), "txtSD");
    QTest::keyClicks(sd, "12");
    QTest::keyClick(sd, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(sd, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(sd->text(), QStringLiteral("12"));
}

void TestMainWindow::composedTextPassesTheRuleToo()
{
    // A dead acute and e, then 1 and 2, committed by the input method; the measure name takes any text.
    for (const auto& [name, expected] : {std::pair{"txtScore", "12"}, std::pair{"txtMeasure", "\u00E912"}}) {
        QLineEdit* box = Box(window.get(), name);
        QInputMethodEvent composing(QStringLiteral("\u00B4"), {});
        QApplication::sendEvent(box, &composing);
        QInputMethodEvent committed;
        committed.setCommitString(QStringLiteral("\u00E912"));
        QApplication::sendEvent(box, &committed);
        QCOMPARE(box->text(), QString::fromUtf8(expected));
    }
}

void TestMainWindow::clipboardWorksAndPastesAreNotFiltered()
{
    QLineEdit* score = Box(window.get(), "txtScore");
    QTest::keyClicks(score, "65");
    QTest::keySequence(score, QKeySequence::SelectAll);
    QTest::keySequence(score, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("65"));
    QTest::keySequence(score, QKeySequence::Cut);
    QCOMPARE(score->text(), QString());
    QTest::keySequence(score, QKeySequence::Undo);
    QCOMPARE(score->text(), QStringLiteral("65"));

    QApplication::clipboard()->setText(QStringLiteral("-1.5e1 (from the report)"));
    QLineEdit* mean = Box(window.get(), "txtMean");
    QTest::keySequence(mean, QKeySequence::Paste);
    QCOMPARE(mean->text(), QStringLiteral("-1.5e1 (from the report)"));
    Type(window.get(), "txtSD", "10");
    QTest::mouseClick(uitest::Button(window.get(), "cmdGo"), Qt::LeftButton);
    QCOMPARE(Box(window.get(), "txtSD1")->text(), QStringLiteral("-5"));
    QCOMPARE(Box(window.get(), "txtZScore")->text(), QStringLiteral("8"));
}

void TestMainWindow::enterAndEscapeDoNothing()
{
    Type(window.get(), "txtMean", "50");
    Type(window.get(), "txtSD", "10");
    for (const char* n : {"txtMean", "txtMeasure", "txtZScore"}) {
        QTest::keyClick(Box(window.get(), n), Qt::Key_Return);
        QTest::keyClick(Box(window.get(), n), Qt::Key_Enter);
        QTest::keyClick(Box(window.get(), n), Qt::Key_Escape);
    }
    QVERIFY(window->isVisible());
    QCOMPARE(Box(window.get(), "txtSD1")->text(), QString());
    QCOMPARE(Box(window.get(), "txtMean")->text(), QStringLiteral("50"));
}

void TestMainWindow::mnemonicsClickTheButtons()
{
    Type(window.get(), "txtMean", "50");
    Type(window.get(), "txtSD", "10");
    // A mnemonic presses its button visibly, so the click follows a moment later.
    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(Box(window.get(), "txtSD1")->text(), QStringLiteral("60"));
    QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(Box(window.get(), "txtSD1")->text(), QString());
    QCOMPARE(Box(window.get(), "txtMean")->text(), QString());

    for (const auto& [key, title] : {std::pair{Qt::Key_A, "Assumptions"}, std::pair{Qt::Key_D, "Programme Credits"}}) {
        QString opened;
        QWidget* owner = nullptr;
        bool modal = false, focusMarked = false;
        uitest::OnNextModal([&](QWidget* w) {
            opened = w->windowTitle();
            owner = w->parentWidget();
            modal = w->isModal();
            // The button that Enter and Space act on is drawn as focused from the start.
            focusMarked = QTest::qWaitFor([] {
                QStyleOptionButton option;
                option.initFrom(QApplication::focusWidget());
                return option.state.testFlag(QStyle::State_HasFocus)
                       && option.state.testFlag(QStyle::State_KeyboardFocusChange);
            });
            w->close();
        });
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        QTRY_COMPARE(opened, QString::fromLatin1(title));
        QApplication::setActiveWindow(window.get());  // as the window manager does when the owned window closes
        QCOMPARE(owner, window.get());
        QVERIFY(modal);
        QVERIFY(focusMarked);
    }

    QSignalSpy destroyed(window.get(), &QObject::destroyed);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(destroyed.count(), 1);
    window.release();
}

void TestMainWindow::picConfOpensAFreshConverterEachTime()
{
    // A click on the picture, or F1 anywhere in the window.
    for (int opening = 0; opening < 2; ++opening) {
        QStringList seen;
        QWidget* owner = nullptr;
        bool modal = false;
        uitest::OnNextModal([&](QWidget* w) {
            owner = w->parentWidget();
            modal = w->isModal();
            seen << w->objectName() << Texts(w, {"txtConf", "txtSD", "txtAnswer"}).join("|");
            QTest::keyClicks(Box(w, "txtConf"), "95");
            QTest::mouseClick(uitest::Button(w, "cmdDoIt"), Qt::LeftButton);
            seen << Box(w, "txtAnswer")->text();
            w->close();
        });
        QApplication::setActiveWindow(window.get());
        if (opening == 0)
            QTest::mouseClick(window->findChild<QWidget*>("picConf"), Qt::LeftButton);
        else
            QTest::keyClick(Box(window.get(), "txtMean"), Qt::Key_F1);
        QApplication::setActiveWindow(window.get());  // as the window manager does when the owned window closes
        QTRY_COMPARE(seen, (QStringList{"frmConvert", "||", "Standard Deviation = 1.96"}));
        QCOMPARE(owner, window.get());
        QVERIFY(modal);
    }
}

void TestMainWindow::tabVisitsTheDesignOrder()
{
    Box(window.get(), "txtScore")->setFocus();
    QCOMPARE(uitest::Tabbed(), uitest::TabStops(core::design::frmMain));
}

void TestMainWindow::controlsStayPutWhenResized()
{
    QHash<QString, QRect> before;
    for (QWidget* w : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        before.insert(w->objectName(), w->geometry());
    window->resize(1000, 800);
    for (QWidget* w : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->objectName() == QLatin1String("StatusBar"))
            QCOMPARE(w->geometry(), QRect(0, 800 - 19, 1000, 19));
        else
            QCOMPARE(w->geometry(), before.value(w->objectName()));
    }
}

void TestMainWindow::everyCaptionFits()
{
    // and the status bar's three panels
    QCOMPARE(uitest::CheckCaptionsFit(window.get()), uitest::Captions(core::design::frmMain) + 3);
}

void TestMainWindow::boxesCarryTheirCaptionsForScreenReaders()
{
    QCOMPARE(Box(window.get(), "txtMean")->accessibleName(), QStringLiteral("Measure Mean"));
    QCOMPARE(Box(window.get(), "txtZScore")->accessibleName(), QStringLiteral("Z Score of Raw Score"));
    for (const char* n : kInputs)
        QVERIFY2(!Box(window.get(), n)->accessibleName().isEmpty(), n);
    for (const char* n : kResults)
        QVERIFY2(!Box(window.get(), n)->accessibleName().isEmpty(), n);
}

void TestMainWindow::resultsUseTheLocaleSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Type(window.get(), "txtMean", "50");
    Type(window.get(), "txtSD", "10");
    Type(window.get(), "txtScore", "65,5");  // the comma key types the point the numbers are read with
    QCOMPARE(Box(window.get(), "txtScore")->text(), QStringLiteral("65.5"));
    QTest::mouseClick(uitest::Button(window.get(), "cmdGo"), Qt::LeftButton);
    QCOMPARE(Box(window.get(), "txtSD196")->text(), QStringLiteral("69,6"));
    QCOMPARE(Box(window.get(), "txtZScore")->text(), QStringLiteral("1,55"));
}

void TestMainWindow::statusBarKeepsTheClock()
{
    auto* bar = window->findChild<ui::StatusBar*>("StatusBar");
    QCOMPARE(bar->findChild<QLabel*>("Panel1")->text(), QStringLiteral("Lorvi's Generator"));
    QDateTime now(QDate(2026, 12, 31), QTime(23, 59, 59, 900));
    bar->SetClock([&now] { return now; });
    QCOMPARE(bar->findChild<QLabel*>("Panel3")->text(), QStringLiteral("23:59"));
    QCOMPARE(bar->findChild<QTimer*>("Clock")->interval(), 100);  // wakes at the next minute, not later
    QVERIFY(bar->findChild<QTimer*>("Clock")->isActive());

    // The minute turns, and midnight with it: the bar's own timer fires.
    now = QDateTime(QDate(2027, 1, 1), QTime(0, 0));
    QVERIFY(QMetaObject::invokeMethod(bar->findChild<QTimer*>("Clock"), "timeout"));
    QCOMPARE(bar->findChild<QLabel*>("Panel2")->text(), QLocale().toString(QDate(2027, 1, 1), QLocale::ShortFormat));
    QCOMPARE(bar->findChild<QLabel*>("Panel3")->text(), QStringLiteral("00:00"));
    QCOMPARE(bar->findChild<QTimer*>("Clock")->interval(), 60000);
}
