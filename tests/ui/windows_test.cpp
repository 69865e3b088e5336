#include "tests/ui/windows_test.h"

#include <QAccessible>
#include <QCheckBox>
#include <QApplication>
#include <QLabel>
#include <QClipboard>
#include <QScopeGuard>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTableView>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTextBrowser>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include "core/design/windows.h"
#include "core/calculations/profile.h"
#include "tests/ui/uitest.h"
#include "ui/common/calculationwindow.h"
#include "ui/main/frmmain.h"
#include "ui/windows/frmassumptions.h"
#include "ui/windows/frmconvert.h"
#include "ui/windows/frmcredits.h"
#include "ui/windows/frmreport.h"
#include "ui/windows/frmsplash.h"
#include "ui/common/runtimeerror.h"
#include "ui/common/session.h"

using uitest::Box;
using uitest::Type;

namespace {

using uitest::Button;

// The main window the splash opened, found as a user finds it: among the program's windows.
frmMain* TheMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<frmMain*>(w))
            return main;
    return nullptr;
}

void CloseLeftovers()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

void TestWindows::init()
{
    uitest::ForgetSession();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "open");
    urls.opened.clear();
}

void TestWindows::cleanup()
{
    uitest::ForgetWaits();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    CloseLeftovers();
}

void TestWindows::converterAnswers_data()
{
    QTest::addColumn<QString>("confidence");
    QTest::addColumn<QString>("deviations");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    const QString none;
    QTest::newRow("95%") << "95" << "" << "Standard Deviation = 1.96" << none;
    QTest::newRow("99.999%") << "99.999" << "" << "Standard Deviation = 4.42" << none;
    QTest::newRow("2 SD") << "" << "2" << "Confidence Interval = 95.45" << none;
    QTest::newRow("1.96 SD") << "" << "1.96" << "Confidence Interval = 95" << none;
    QTest::newRow("40 SD") << "" << "40" << "Confidence Interval = 100" << none;
    QTest::newRow("lone point") << "" << "." << "Confidence Interval = 0" << none;
    QTest::newRow("100%") << "100" << "" << none << QStringLiteral("Your confidence level must be below 100 and above 0.");
    QTest::newRow("both") << "95" << "2" << none << QStringLiteral("You must enter data in one box only");
    QTest::newRow("neither") << "" << "" << none << QStringLiteral("You must enter data in one of the boxes");
}

void TestWindows::converterAnswers()
{
    QFETCH(QString, confidence);
    QFETCH(QString, deviations);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    frmConvert w(nullptr);
    uitest::ShowAndActivate(&w);
    Type(&w, "txtConf", confidence);
    Type(&w, "txtSD", deviations);
    uitest::Message shown;
    if (!message.isEmpty())
        uitest::ExpectMessage(shown, &w);
    QTest::mouseClick(Button(&w, "cmdDoIt"), Qt::LeftButton);
    QCOMPARE(Box(&w, "txtAnswer")->text(), answer);
    QCOMPARE(Box(&w, "txtAnswer")->cursorPosition(), 0);  // the start shows when the answer is long
    QCOMPARE(shown.text, message);
    if (shown.seen) {
        QCOMPARE(shown.title, QStringLiteral("Mervane"));
        QCOMPARE(shown.icon, QMessageBox::NoIcon);
    }
    QCOMPARE(Box(&w, "txtConf")->text(), confidence);
    QCOMPARE(Box(&w, "txtSD")->text(), deviations);
}

void TestWindows::converterRefusalKeepsThePreviousAnswer()
{
    frmConvert w(nullptr);
    uitest::ShowAndActivate(&w);
    Type(&w, "txtConf", "99");
    QTest::keyClick(&w, Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(Box(&w, "txtAnswer")->text(), QStringLiteral("Standard Deviation = 2.58"));
    Box(&w, "txtAnswer")->clear();
    QTest::mouseClick(Button(&w, "cmdDoIt"), Qt::LeftButton);
    QCOMPARE(Box(&w, "txtAnswer")->text(), QStringLiteral("Standard Deviation = 2.58"));

    Type(&w, "txtSD", "1");
    uitest::Message shown;
    uitest::ExpectMessage(shown, &w);
    QTest::mouseClick(Button(&w, "cmdDoIt"), Qt::LeftButton);
    QTRY_VERIFY(shown.seen);
    QCOMPARE(shown.text, QStringLiteral("You must enter data in one box only"));
    QCOMPARE(Box(&w, "txtAnswer")->text(), QStringLiteral("Standard Deviation = 2.58"));
    QVERIFY(w.isVisible());
}

void TestWindows::converterKeysAndTabs()
{
    frmConvert w(nullptr);
    uitest::ShowAndActivate(&w);
    QCOMPARE(QApplication::focusWidget(), Box(&w, "txtConf"));
    Type(&w, "txtConf", "-9.5.1e\r");
    QCOMPARE(Box(&w, "txtConf")->text(), QStringLiteral("9.51"));
    QTest::keyClick(Box(&w, "txtConf"), Qt::Key_Return);
    QCOMPARE(Box(&w, "txtAnswer")->text(), QString());

    QCOMPARE(uitest::Tabbed(), uitest::TabStops(core::design::frmConvert));

    const QRect answerAt = Box(&w, "txtAnswer")->geometry();
    w.showMaximized();
    QCOMPARE(Box(&w, "txtAnswer")->geometry(), answerAt);

    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!w.isVisible());
}

void TestWindows::assumptionsTextAndClosing()
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        frmAssumptions w(nullptr);
        uitest::ShowAndActivate(&w);
        auto* text = w.findChild<QPlainTextEdit*>("txtAssumptions");
        QCOMPARE(text->toPlainText(),
                 QStringLiteral("These computations assume that: \n"
                                "   a). the data in the red boxes (mean and SD) are derived from a normal distribution;\n"
                                "   b). the raw score is a (theoretical) member of the population from which the mean \n"
                                "         and standard deviation was obtained.\n"));
        QVERIFY(!text->isReadOnly());
        QCOMPARE(QApplication::focusWidget(), Button(&w, "cmdExit"));
        QTest::keyClick(Button(&w, "cmdExit"), key);
        QVERIFY(!w.isVisible());
    }
}

void TestWindows::escapeNeverClosesASecondaryWindow()
{
    frmConvert convert(nullptr);
    frmAssumptions assumptions(nullptr);
    frmCredits credits(nullptr);
    for (QDialog* w : std::initializer_list<QDialog*>{&convert, &assumptions, &credits}) {
        uitest::ShowAndActivate(w);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        for (QPushButton* b : w->findChildren<QPushButton*>())
            QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
        w->close();
    }
    // Enter in a box that takes it clicks no button.
    uitest::ShowAndActivate(&convert);
    QLineEdit* answer = Box(&convert, "txtAnswer");
    answer->setFocus();
    Type(&convert, "txtConf", "95");
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(answer->text(), QString());
    QVERIFY(convert.isVisible());
}

void TestWindows::escapeClosesAnAddedWindowAndKeepsItsInputs()
{
    frmMain main;
    for (int opening = 0; opening < 2; ++opening) {
        ui::CalculationWindow w(&main, core::design::frmCompare, nullptr);
        uitest::ShowAndActivate(&w);
        if (opening == 0) {
            Type(&w, "txtMeanA", "100");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!w.isVisible());
        } else {
            QCOMPARE(Box(&w, "txtMeanA")->text(), QStringLiteral("100"));
        }
    }
}

void TestWindows::creditsTexts()
{
    frmCredits w(nullptr);
    uitest::ShowAndActivate(&w);
    QCOMPARE(w.findChild<QPlainTextEdit*>("Text2")->toPlainText(),
             QStringLiteral("Lorvi, T. M. (2026). Quenlo Software: Mervane (Version 1.00). https://quenlo.example/\n"));

    auto* text = w.findChild<QPlainTextEdit*>("Text1");
    const QString shown = text->toPlainText();
    QVERIFY(shown.endsWith('\n'));
    const QStringList licence = shown.chopped(1).split('\n');
    QCOMPARE(licence.size(), 24);
    const QStringList headings{"I. Summary", "II. Limitations", "II. a. Good Faith", "II. b. Warranty",
                               "II.c. Liability", "II.d. Use of application in whole"};
    int from = 0;
    for (const QString& h : headings) {
        const int at = licence.indexOf(h, from);
        QVERIFY2(at >= from, qPrintable(h));
        from = at + 1;
    }
    QCOMPARE(licence[licence.indexOf("II. Limitations") + 1], QStringLiteral("II. a. Good Faith"));
    QCOMPARE(licence.last(), QStringLiteral("Copyright (c) 2026 T. M. Lorvi. All rights reserved."));

    QVERIFY(text->isReadOnly());
    QTest::keyClicks(text, "changed");
    QCOMPARE(text->toPlainText(), shown);
    QCOMPARE(QApplication::focusWidget(), Button(&w, "cmdQuenloWebsite"));
    QCOMPARE(uitest::Tabbed(), uitest::TabStops(core::design::frmCredits));
}

void TestWindows::creditsWebSiteButtonHandsOverTheAddressEachTime()
{
    frmCredits w(nullptr);
    uitest::ShowAndActivate(&w);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::mouseClick(Button(&w, "cmdQuenloWebsite"), Qt::LeftButton);
    QCOMPARE(urls.opened, (QList<QUrl>(3, QUrl(QStringLiteral("https://quenlo.example/")))));
    QVERIFY(w.isVisible());
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!w.isVisible());
}

void TestWindows::interpretationOpensPrefilledAndIsWired()
{
    frmMain main;
    uitest::ShowAndActivate(&main);
    Type(&main, "txtMean", "50");
    Type(&main, "txtSD", "10");
    Type(&main, "txtScore", "65");
    Box(&main, "txtMeasure")->setText(QStringLiteral("the Word List test"));

    bool checked = false;
    uitest::OnNextModal([&](QWidget* w) {
        // A failed check leaves the window open; closing it lets the test end.
        const auto closeAnyway = qScopeGuard([w] { w->close(); });
        QCOMPARE(w->objectName(), QStringLiteral("frmInterpret"));
        QCOMPARE(w->parentWidget(), &main);
        QCOMPARE(w->windowTitle(), QStringLiteral("Score Interpretation"));
        QStringList opened;
        for (const char* name : {"txtMeasure", "txtMean", "txtSD", "txtScore", "txtLevel", "txtReliability", "txtZScore"})
            opened << Box(w, name)->text();
        QCOMPARE(opened, (QStringList{"the Word List test", "50", "10", "65", "95", "", ""}));

        Type(w, "txtReliability", "0.9a");
        QCOMPARE(Box(w, "txtReliability")->text(), QStringLiteral("0.9"));  // the keystroke rule
        QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
        QCOMPARE(Box(w, "txtTrueLow")->text(), QStringLiteral("57.62"));
        QVERIFY(w->findChild<QSvgWidget*>("picCurve")->renderer()->isValid());
        QCOMPARE(w->findChild<QSvgWidget*>("picCurve")->renderer()->boundsOnElement("score").center().x(), 263.5);

        QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("On the Word List test (mean 50, SD 10)")));
        QCOMPARE(QApplication::clipboard()->text(), w->findChild<QPlainTextEdit*>("txtReport")->toPlainText());

        Box(w, "txtScore")->clear();
        QCOMPARE(uitest::ClickAnsweringMessages(Button(w, "cmdGo"), w),
                 QStringLiteral("Enter the measure's mean, its SD and a raw score."));
        QCOMPARE(Box(w, "txtTrueLow")->text(), QString());
        QTest::mouseClick(Button(w, "cmdClose"), Qt::LeftButton);
        checked = true;
    });
    QTest::mouseClick(Button(&main, "cmdInterpret"), Qt::LeftButton);
    uitest::ForgetWaits();
    QVERIFY(checked);

    // F2 opens it too, with the inputs it kept and the main window's score again; no result is kept.
    QStringList reopened;
    uitest::OnNextModal([&](QWidget* w) {
        for (const char* name : {"txtReliability", "txtScore", "txtTrueLow"})
            reopened << Box(w, name)->text();
        w->close();
    });
    QApplication::setActiveWindow(&main);  // as the window manager does when the owned window closes
    QTest::keyClick(&main, Qt::Key_F2);
    uitest::ForgetWaits();
    QCOMPARE(reopened, (QStringList{"0.9", "65", ""}));
}

void TestWindows::manyScoresArePastedReadAndCopied()
{
    ui::CalculationWindow interpret(nullptr, core::design::frmInterpret, nullptr);
    uitest::ShowAndActivate(&interpret);
    Type(&interpret, "txtMean", "100");
    Type(&interpret, "txtSD", "15");
    Type(&interpret, "txtReliability", "0.9");
    bool checked = false;
    uitest::OnNextModal(
        [&](QWidget* w) {
            const auto closeAnyway = qScopeGuard([w] { w->close(); });
            QCOMPARE(w->objectName(), QStringLiteral("frmBatch"));
            QCOMPARE(w->parentWidget(), &interpret);
            QCOMPARE(Box(w, "txtReliability")->text(), QStringLiteral("0.9"));
            Box(w, "txtReliability")->clear();
            // A refusal leaves nothing to copy: the clipboard keeps what it held.
            Box(w, "txtSD")->clear();
            QApplication::clipboard()->setText(QStringLiteral("kept"));
            QCOMPARE(uitest::ClickAnsweringMessages(Button(w, "cmdGo"), w),
                     QStringLiteral("Enter the measure's mean, its SD and a raw score."));
            QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
            Type(w, "txtSD", "15");
            QApplication::clipboard()->setText(QStringLiteral("115\n\nabsent\n"));
            QTest::keySequence(w->findChild<QPlainTextEdit*>("txtScores"), QKeySequence::Paste);
            QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
            const QAbstractItemModel* table = w->findChild<QTableView*>("grdScores")->model();
            QCOMPARE(table->rowCount(), 2);
            QCOMPARE(table->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Label"));
            QCOMPARE(table->index(0, 8).data().toString(), QStringLiteral("High average"));
            QCOMPARE(table->index(1, 1).data().toString(), QStringLiteral("not a number"));
            QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(),
                     QStringLiteral("Score\tz\tPercentile\tT\tStandard\tScaled\tStanine\tSten\tLabel\n"
                                    "115\t1\t84.13\t60\t115\t13\t7\t8\tHigh average\nabsent\tnot a number\n"));
            checked = true;
        },
        &interpret);
    QTest::mouseClick(Button(&interpret, "cmdBatch"), Qt::LeftButton);
    uitest::ForgetWaits();
    QVERIFY(checked);
}

namespace {

// Saves through the save dialog that the next click opens, into `path`, and
// answers the message that may follow it.
void SaveAs(QPushButton* save, QWidget* window, const QString& path, uitest::Message* message = nullptr)
{
    uitest::OnNextModal(
        [path, window, message](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->selectedFiles().value(0).section('/', -1), QStringLiteral("profile.svg"));
            dialog->selectFile(path);
            if (message)
                uitest::ExpectMessage(*message, window);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        window);
    QTest::mouseClick(save, Qt::LeftButton);
    uitest::ForgetWaits();
}

qreal PictureHeight(QWidget* window)
{
    return window->findChild<QSvgWidget*>()->renderer()->viewBoxF().height();
}

}  // namespace

void TestWindows::profileOpensPrefilledAndIsWired()
{
    // The picture of no measure, by its height, which grows with the measures drawn.
    const qreal blank = QSvgRenderer(QByteArray::fromStdString(core::ProfileSvg({}))).viewBoxF().height();
    frmMain main;
    uitest::ShowAndActivate(&main);
    Box(&main, "txtMeasure")->setText(QStringLiteral("Word List"));
    Type(&main, "txtMean", "50");
    Type(&main, "txtSD", "10");
    Type(&main, "txtScore", "44");
    const QTemporaryDir dir;
    bool checked = false;
    uitest::OnNextModal([&](QWidget* w) {
        const auto closeAnyway = qScopeGuard([w] { w->close(); });
        QCOMPARE(w->objectName(), QStringLiteral("frmProfile"));
        QCOMPARE(w->parentWidget(), &main);
        auto* rows = w->findChild<QPlainTextEdit*>("txtRows");
        QCOMPARE(rows->toPlainText(), QStringLiteral("Word List\t50\t10\t44"));
        QCOMPARE(PictureHeight(w), blank);
        QCOMPARE(Box(w, "txtLevel")->text(), QStringLiteral("95"));
        // The carried line is selected: a pasted battery replaces it.
        rows->insertPlainText(QStringLiteral("Digit Span\t10\t3\t10\nVocabulary\t10\t3\t14\nno figures"));
        QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
        QCOMPARE(w->findChild<QTableView*>("grdProfile")->model()->rowCount(), 3);
        QCOMPARE(w->findChild<QTableView*>("grdProfile")->columnSpan(2, 2), 9);  // the note, across its row
        QCOMPARE(Box(w, "txtMeanScore")->text(), QStringLiteral("110"));
        QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Measure\tScore\tz\t")));

        const QString path = dir.filePath(QStringLiteral("battery.svg"));
        SaveAs(Button(w, "cmdSave"), w, path);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&saved);
        int marks = 0;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement &&
                svg.attributes().value(QStringLiteral("class")).startsWith(QStringLiteral("score")))
                ++marks;
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(marks, 2);  // one a measure computed

        uitest::Message failed;
        SaveAs(Button(w, "cmdSave"), w, dir.filePath(QStringLiteral("no such folder/profile.svg")), &failed);
        QVERIFY(failed.seen);
        QVERIFY2(failed.text.startsWith(QStringLiteral("The picture could not be saved: ")), qPrintable(failed.text));
        QCOMPARE(w->findChild<QTableView*>("grdProfile")->model()->rowCount(), 3);
        checked = true;
    });
    QTest::mouseClick(Button(&main, "cmdProfile"), Qt::LeftButton);
    uitest::ForgetWaits();
    QVERIFY(checked);

    // F3 opens it too, with the battery it kept (the main window's measure is no line of it), and no
    // old picture beside an empty table.
    QString rows = QStringLiteral("unseen");
    qreal height = 0;
    uitest::OnNextModal([&](QWidget* w) {
        rows = w->findChild<QPlainTextEdit*>("txtRows")->toPlainText();
        height = PictureHeight(w);
        w->close();
    });
    QApplication::setActiveWindow(&main);
    QTest::keyClick(&main, Qt::Key_F3);
    uitest::ForgetWaits();
    QVERIFY(rows.startsWith(QStringLiteral("Digit Span")));
    QCOMPARE(height, blank);
}

void TestWindows::twoScoresOpenPrefilledAndAreWired()
{
    frmMain main;
    uitest::ShowAndActivate(&main);
    Box(&main, "txtMeasure")->setText(QStringLiteral("Trail Making B"));
    Type(&main, "txtMean", "75");
    Type(&main, "txtSD", "25");
    Type(&main, "txtScore", "110");
    for (const bool byKey : {false, true}) {
        bool checked = false;
        uitest::OnNextModal([&](QWidget* w) {
            const auto closeAnyway = qScopeGuard([w] { w->close(); });
            QCOMPARE(w->objectName(), QStringLiteral("frmCompare"));
            QCOMPARE(w->parentWidget(), &main);
            QStringList opened;
            for (const char* name : {"txtNameA", "txtMeanA", "txtSDA", "txtScoreA", "txtLevel", "txtNameB", "txtScoreB"})
                opened << Box(w, name)->text();
            if (byKey) {  // opened again, as it was left
                QCOMPARE(opened, (QStringList{"Trail Making B", "75", "25", "110", "95", "", "14"}));
                QVERIFY(w->findChild<QCheckBox*>("chkLowerA")->isChecked());
                checked = true;
                return;
            }
            QCOMPARE(opened, (QStringList{"Trail Making B", "75", "25", "110", "95", "", ""}));
            QTest::keyClick(w->findChild<QCheckBox*>("chkLowerA"), Qt::Key_Space);
            Type(w, "txtReliabilityA", "0.86");
            Type(w, "txtMeanB", "10");
            Type(w, "txtSDB", "3");
            Type(w, "txtScoreB", "14");
            QCOMPARE(uitest::ClickAnsweringMessages(Button(w, "cmdGo"), w),
                     QStringLiteral("A reliable difference needs both reliabilities."));
            QCOMPARE(Box(w, "txtStandardA")->text(), QStringLiteral("79"));
            Type(w, "txtReliabilityB", "0.9");
            Type(w, "txtCorrelation", "0.4");
            QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
            QCOMPARE(Box(w, "txtRarity")->text(), QStringLiteral("0.63"));
            QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), w->findChild<QPlainTextEdit*>("txtReport")->toPlainText());
            QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Trail Making B (lower is better)")));
            checked = true;
        });
        QApplication::setActiveWindow(&main);
        if (byKey)
            QTest::keyClick(&main, Qt::Key_F4);
        else
            QTest::mouseClick(Button(&main, "cmdCompare"), Qt::LeftButton);
        uitest::ForgetWaits();
        QVERIFY(checked);
    }
}

void TestWindows::caseAgainstControlsOpensPrefilledAndIsWired()
{
    frmMain main;
    uitest::ShowAndActivate(&main);
    Type(&main, "txtMean", "100");
    Type(&main, "txtSD", "15");
    Type(&main, "txtScore", "70");
    for (const bool byKey : {false, true}) {
        bool checked = false;
        uitest::OnNextModal([&](QWidget* w) {
            const auto closeAnyway = qScopeGuard([w] { w->close(); });
            QCOMPARE(w->objectName(), QStringLiteral("frmCase"));
            QCOMPARE(w->parentWidget(), &main);
            QStringList opened;
            for (const char* name : {"txtMean", "txtSD", "txtN", "txtScore", "txtLevel"})
                opened << Box(w, name)->text();
            if (byKey) {  // opened again, as it was left; a minus typed reaches the test
                QCOMPARE(opened, (QStringList{"100", "15", "20", "70", "95"}));
                for (const char* name : {"txtMean", "txtSD", "txtScore"})
                    Box(w, name)->clear();
                Type(w, "txtMean", "0");
                Type(w, "txtSD", "1");
                Type(w, "txtScore", "-2.5");
                QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
                QCOMPARE(Box(w, "txtT")->text(), QStringLiteral("-2.44"));
                checked = true;
                return;
            }
            QCOMPARE(opened, (QStringList{"100", "15", "", "70", "95"}));
            QCOMPARE(uitest::ClickAnsweringMessages(Button(w, "cmdGo"), w),
                     QStringLiteral("Enter the controls' mean, SD and size, and the case's score."));
            Type(w, "txtN", "20");
            QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
            QCOMPARE(Box(w, "txtBelowHigh")->text(), QStringLiteral("11.07"));
            QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), w->findChild<QPlainTextEdit*>("txtReport")->toPlainText());
            QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("A case score of 70 against 20 controls")));
            checked = true;
        });
        QApplication::setActiveWindow(&main);
        if (byKey)
            QTest::keyClick(&main, Qt::Key_F5);
        else
            QTest::mouseClick(Button(&main, "cmdCase"), Qt::LeftButton);
        uitest::ForgetWaits();
        QVERIFY(checked);
    }
}

namespace {

// A window's boxes by design name, as the core reads them: a check box "1" when ticked.
core::Texts BoxesOf(QWidget* w)
{
    core::Texts texts;
    for (QLineEdit* box : w->findChildren<QLineEdit*>())
        if (box->hasFrame() && !box->objectName().isEmpty())
            texts[box->objectName().toStdString()] = box->text().toStdString();
    for (QPlainTextEdit* box : w->findChildren<QPlainTextEdit*>())
        texts[box->objectName().toStdString()] = box->toPlainText().toStdString();
    for (QCheckBox* box : w->findChildren<QCheckBox*>())
        texts[box->objectName().toStdString()] = box->isChecked() ? "1" : "";
    return texts;
}

void Fill(QWidget* w, const core::Texts& texts)
{
    for (const auto& [name, text] : texts) {
        const QString value = QString::fromStdString(text);
        if (auto* box = w->findChild<QLineEdit*>(QString::fromStdString(name)))
            box->setText(value);
        else if (auto* plain = w->findChild<QPlainTextEdit*>(QString::fromStdString(name)))
            plain->setPlainText(value);
        else if (auto* check = w->findChild<QCheckBox*>(QString::fromStdString(name)))
            check->setChecked(!text.empty());
    }
}

}  // namespace

// Every opening of the design, the same way: the opener's carried boxes
// filled, the window opens with what the core's reopening rule gives; then
// Go on its calculation's example shows what the core gives for its boxes.
void TestWindows::everyOpeningCarriesAndEveryGoShowsWhatTheCoreGives()
{
    for (const core::design::Opening& opening : core::design::kOpenings) {
        const core::Calculation* calculation = core::CalculationOf(opening.window->name);
        if (!calculation || opening.window->carried.empty())
            continue;
        const QString name = QString::fromUtf8(opening.window->name.data());
        std::unique_ptr<QWidget> opener;
        if (opening.from == &core::design::frmMain)
            opener = std::make_unique<frmMain>();
        else
            opener = std::make_unique<ui::CalculationWindow>(nullptr, *opening.from, nullptr);
        uitest::ShowAndActivate(opener.get());
        core::Texts filled;
        int figure = 11;
        for (const core::design::Carry& carry : opening.window->carried)
            for (std::string_view from : carry.from)
                if (!from.empty())
                    filled[std::string(from)] = from.starts_with("chk") ? "1"
                                                : from == "txtMeasure"  ? "Word List"
                                                                        : std::to_string(figure++);
        Fill(opener.get(), filled);
        const core::Texts expected = core::Reopened(*opening.window, {}, BoxesOf(opener.get())).texts;
        bool checked = false;
        uitest::OnNextModal([&](QWidget* w) {
            const auto closeAnyway = qScopeGuard([w] { w->close(); });
            QCOMPARE(w->objectName(), name);
            const core::Texts shown = BoxesOf(w);
            for (const auto& [box, text] : expected)
                QVERIFY2(shown.at(box) == text, qPrintable(name + "." + QString::fromStdString(box)));
            core::Texts example;
            for (const core::design::Control& c : opening.window->controls)
                if (core::design::IsInput(c))
                    example[std::string(c.name)] = "";
            for (const auto& [box, text] : calculation->example())
                example[box] = text;
            Fill(w, example);
            const core::Shown core = core::Finished(*calculation, BoxesOf(w), ".");
            QVERIFY2(!core.message, core.message ? core.message->c_str() : "");
            QTest::mouseClick(Button(w, std::string(calculation->command).c_str()), Qt::LeftButton);
            const core::Texts after = BoxesOf(w);
            for (const auto& [box, text] : core.texts)
                if (after.count(box))
                    QVERIFY2(after.at(box) == text, qPrintable(name + "." + QString::fromStdString(box)));
            checked = true;
        });
        if (opening.control.empty())
            QTest::keySequence(opener.get(), QKeySequence(QString::fromUtf8(opening.key.data())));
        else
            QTest::mouseClick(Button(opener.get(), std::string(opening.control).c_str()), Qt::LeftButton);
        uitest::ForgetWaits();
        QVERIFY2(checked, qPrintable(name));
    }
}

void TestWindows::lowScoresOpenFromTheProfileAndAreWired()
{
    ui::CalculationWindow profile(nullptr, core::design::frmProfile, nullptr);
    uitest::ShowAndActivate(&profile);
    const QString battery = QStringLiteral("Vocabulary\t10\t3\t4\nTrail Making B\t75\t25\t140\t0.86\tlower");
    profile.findChild<QPlainTextEdit*>("txtRows")->setPlainText(battery);
    bool checked = false;
    uitest::OnNextModal([&](QWidget* w) {
        const auto closeAnyway = qScopeGuard([w] { w->close(); });
        QCOMPARE(w->objectName(), QStringLiteral("frmLowScores"));
        QCOMPARE(w->findChild<QPlainTextEdit*>("txtRows")->toPlainText(), battery);
        auto* grid = w->findChild<QTableView*>("grdLowScores");
        Type(w, "txtCorrelation", "0.4");
        QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
        QCOMPARE(grid->model()->index(2, 1).data().toString(), QStringLiteral("2 of 2"));
        // The matrix path, in slices from the event loop, to its last slice.
        QString ten, equal;
        for (int i = 0; i < 10; ++i) {
            ten += QStringLiteral("T%1;100;15;%2\n").arg(i).arg(i < 3 ? "74.5" : "100");
            for (int j = 0; j < 10; ++j)
                equal += QLatin1String(i == j ? "1" : "0.5") + QLatin1String(j < 9 ? "\t" : "\n");
        }
        w->findChild<QPlainTextEdit*>("txtRows")->setPlainText(ten);
        w->findChild<QPlainTextEdit*>("txtCorrelations")->setPlainText(equal);
        QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!grid->model()->index(2, 3).data().toString().isEmpty(), 60000);  // its Monte Carlo SE
        QCOMPARE(grid->model()->index(2, 2).data().toString(), QStringLiteral("6.16"));
        QCOMPARE(grid->model()->index(2, 4).data().toString(), QStringLiteral("4 or more"));
        QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Cut-off\tThis person\t")));
        // Past a moment a long run shows its share done; Cancel drops it and the inputs stay.
        QString rows, matrix;
        for (int i = 0; i < 40; ++i) {
            rows += QStringLiteral("T%1;100;15;80\n").arg(i);
            for (int j = 0; j < 40; ++j)
                matrix += QLatin1String(i == j ? "1" : "0.5") + QLatin1String(j < 39 ? "\t" : "\n");
        }
        w->findChild<QPlainTextEdit*>("txtRows")->setPlainText(rows);
        w->findChild<QPlainTextEdit*>("txtCorrelations")->setPlainText(matrix);
        QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
        QWidget* working = w->findChild<QWidget*>("working");
        QTRY_VERIFY_WITH_TIMEOUT(working->isVisible(), 20000);
        QTest::mouseClick(Button(w, "cmdCancel"), Qt::LeftButton);
        QVERIFY(!working->isVisible());
        QCOMPARE(w->findChild<QPlainTextEdit*>("txtCorrelations")->toPlainText(), matrix);
        QCOMPARE(grid->model()->index(2, 2).data().toString(), QStringLiteral("6.16"));  // the last result stays
        checked = true;
    });
    QTest::mouseClick(Button(&profile, "cmdLowScores"), Qt::LeftButton);
    uitest::ForgetWaits();
    QVERIFY(checked);
}

namespace {

// The output of a tool run on a file, or a failure of the test.
QString Output(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        qWarning() << program << "failed:" << tool.readAllStandardError();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Saves the report through the dialog its Save Report opens, as `file` with the type `filter`.
void SaveReport(QWidget* report, const QString& file, const QString& filter)
{
    uitest::OnNextModal(
        [&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            dialog->selectNameFilter(filter);
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        report);
    QTest::mouseClick(Button(report, "cmdSaveReport"), Qt::LeftButton);
}

}  // namespace

// F7 opens the report of what the windows kept, under the header it kept;
// it is saved as PDF and OpenDocument text with its tables as tables, and
// copied as HTML and as plain text. A measure's name is text, never markup.
void TestWindows::reportTellsWhatEveryWindowKeptAndIsSavedAndCopied()
{
    frmMain main;
    uitest::ShowAndActivate(&main);
    const QString name = QStringLiteral("<img src=x onerror=alert(1)>");
    ui::KeptInputs::Of(&main).byWindow = {
        {"frmProfile",
         {{"txtRows", (name + "\t10\t3\t14\t0.9\nDigit Span\t10\t3\t10\t0.91\nWord List\t50\t10\t44\t0.8").toStdString()},
          {"txtLevel", "95"}}},
        {"frmCase", {{"txtMean", "100"}, {"txtSD", "15"}, {"txtN", "20"}, {"txtScore", "70"}, {"txtLevel", "95"}}},
        {"frmReport", {{"txtExaminer", "C. D."}}},
    };
    QTemporaryDir dir;
    bool checked = false;
    uitest::OnNextModal([&](QWidget* w) {
        const auto closeAnyway = qScopeGuard([w] { w->close(); });
        QCOMPARE(w->objectName(), QStringLiteral("frmReport"));
        auto* view = w->findChild<QTextBrowser*>("docReport");
        QVERIFY(view->toPlainText().contains(QStringLiteral("Examiner: C. D.")));
        QVERIFY(view->toPlainText().contains(name));
        Type(w, "txtPerson", "A. B.");
        QTRY_VERIFY(view->toPlainText().contains(QStringLiteral("Person: A. B.")));

        SaveReport(w, dir.filePath("report.pdf"), QStringLiteral("PDF documents (*.pdf)"));
        const QString pdf = Output(QStringLiteral("pdftotext"), {dir.filePath("report.pdf"), QStringLiteral("-")});
        for (const char* heading : {"Report", "Person: A. B.", "Score Profile", "Case Against Controls", "Methods"})
            QVERIFY2(pdf.contains(QLatin1String(heading)), heading);
        QVERIFY(pdf.contains(name) && pdf.contains(QStringLiteral("90.88")));  // the profile's first row

        // No suffix typed: the type chosen gives it.
        SaveReport(w, dir.filePath("report"), QStringLiteral("OpenDocument text (*.odt)"));
        const QString content = Output(QStringLiteral("python3"),
                                       {QStringLiteral("-c"),
                                        QStringLiteral("import sys, zipfile; "
                                                       "sys.stdout.write(zipfile.ZipFile(sys.argv[1]).read('content.xml').decode())"),
                                        dir.filePath("report.odt")});
        QVERIFY(content.contains(QStringLiteral("<table:table ")));
        QVERIFY(content.contains(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;")));

        QTest::mouseClick(Button(w, "cmdCopy"), Qt::LeftButton);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->html().contains(QStringLiteral("<table>")));
        QVERIFY(copied->html().contains(QStringLiteral("&lt;img src=x")));
        QVERIFY(copied->text().contains(QStringLiteral("Measure\tScore\tz\t")));
        checked = true;
    });
    QTest::keyClick(&main, Qt::Key_F7);
    uitest::ForgetWaits();
    QVERIFY(checked);
    QCOMPARE(ui::KeptInputs::Of(&main).byWindow["frmReport"]["txtPerson"], std::string("A. B."));
}

// A Go writes the session, for the user alone; a program started afterwards opens the windows as they were.
void TestWindows::theSessionIsKeptAtEachGoAndReadAtStart()
{
    {
        frmMain main;
        uitest::ShowAndActivate(&main);
        uitest::OnNextModal([](QWidget* w) {
            const auto closeAnyway = qScopeGuard([w] { w->close(); });
            w->findChild<QPlainTextEdit*>("txtRows")->setPlainText(QStringLiteral("Vocabulary;10;3;14"));
            QTest::mouseClick(Button(w, "cmdGo"), Qt::LeftButton);
            QVERIFY(QFile::exists(ui::SessionPath()));
            QCOMPARE(QFile::permissions(ui::SessionPath()) & ~(QFile::ReadUser | QFile::WriteUser),
                     QFile::ReadOwner | QFile::WriteOwner);
        });
        QTest::keyClick(&main, Qt::Key_F3);
        uitest::ForgetWaits();
    }
    frmMain again;
    QCOMPARE(ui::KeptInputs::Of(&again).byWindow["frmProfile"]["txtRows"], std::string("Vocabulary;10;3;14"));
}

void TestWindows::anUnreadableSessionIsMovedAsideAndSaid()
{
    QDir folder(QFileInfo(ui::SessionPath()).absolutePath());
    folder.mkpath(QStringLiteral("."));
    for (const QString& old : folder.entryList({QStringLiteral("session.unreadable-*.mervane")}))
        folder.remove(old);
    QFile broken(ui::SessionPath());
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a case");
    broken.close();
    uitest::Message message;
    uitest::ExpectMessage(message);
    frmMain main;
    QTRY_VERIFY(message.seen);
    uitest::ForgetWaits();
    const QStringList aside = folder.entryList({QStringLiteral("session.unreadable-*.mervane")});
    QCOMPARE(aside.size(), 1);
    QVERIFY(!QFile::exists(ui::SessionPath()));
    QCOMPARE(message.text, QStringLiteral("The last session could not be read: This file is not a Mervane case: it is not "
                                          "JSON (line 1, column 2). It was kept as ") +
                               QDir::toNativeSeparators(folder.filePath(aside[0])) +
                               QStringLiteral(", and Mervane starts empty."));
    QVERIFY(ui::KeptInputs::Of(&main).byWindow.empty());
    folder.remove(aside[0]);
}

namespace {

// Answers the file dialog the next click opens with `path`.
void ThroughFileDialog(QWidget* below, QPushButton* button, const QString& path)
{
    uitest::OnNextModal(
        [path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY2(dialog, w->metaObject()->className());
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        },
        below);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

// Saved, cleared after a Yes and opened again, through the dialogs; a file
// that is no case changes nothing and says why.
void TestWindows::aCaseIsSavedOpenedAndClearedFromTheReport()
{
    frmMain main;
    uitest::ShowAndActivate(&main);
    auto& kept = ui::KeptInputs::Of(&main).byWindow;
    kept = {{"frmCase", {{"txtMean", "100"}, {"txtSD", "15"}, {"txtN", "20"}, {"txtScore", "70"}, {"txtLevel", "95"}}}};
    QTemporaryDir dir;
    QFile junk(dir.filePath("junk.mervane"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("{\"format\": \"mervane-case\", \"version\": 2}");
    junk.close();
    bool checked = false;
    uitest::OnNextModal([&](QWidget* w) {
        const auto closeAnyway = qScopeGuard([w] { w->close(); });
        auto* view = w->findChild<QTextBrowser*>("docReport");
        Type(w, "txtPerson", "A. B.");
        ThroughFileDialog(w, Button(w, "cmdSaveCase"), dir.filePath("smith"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Report - smith.mervane"));

        uitest::OnNextModal([](QWidget* box) { qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click(); }, w);
        QTest::mouseClick(Button(w, "cmdNewCase"), Qt::LeftButton);
        QVERIFY(!kept.count("frmCase"));
        QCOMPARE(Box(w, "txtPerson")->text(), QString());

        ThroughFileDialog(w, Button(w, "cmdOpenCase"), dir.filePath("smith.mervane"));
        QCOMPARE(kept.at("frmCase").at("txtScore"), std::string("70"));
        QCOMPARE(Box(w, "txtPerson")->text(), QStringLiteral("A. B."));
        QVERIFY(view->toPlainText().contains(QStringLiteral("Case Against Controls")));

        // The file dialog, then the message box over the report.
        uitest::Message message;
        std::function<void(QWidget*)> answer = [&](QWidget* top) {
            if (auto* dialog = qobject_cast<QFileDialog*>(top)) {
                dialog->selectFile(dir.filePath("junk.mervane"));
                QMetaObject::invokeMethod(dialog, "accept");
                uitest::OnNextModal(answer, w);
            } else if (auto* box = qobject_cast<QMessageBox*>(top)) {
                message = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(), true};
                box->button(QMessageBox::Ok)->click();
            } else {
                uitest::OnNextModal(answer, w);
            }
        };
        uitest::OnNextModal(answer, w);
        QTest::mouseClick(Button(w, "cmdOpenCase"), Qt::LeftButton);
        QTRY_VERIFY(message.seen);
        QCOMPARE(message.text, QStringLiteral("This case was saved by a newer Mervane (version 2)."));
        QCOMPARE(kept.at("frmCase").at("txtScore"), std::string("70"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Report - smith.mervane"));
        checked = true;
    });
    QTest::keyClick(&main, Qt::Key_F7);
    uitest::ForgetWaits();
    QVERIFY(checked);
}

// A function key of the main window opens nothing over a window that is open.
void TestWindows::oneModalWindowAtATime()
{
    frmMain main;
    uitest::ShowAndActivate(&main);
    QStringList over;
    uitest::OnNextModal([&](QWidget* w) {
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F5, Qt::Key_F1}) {
            uitest::OnNextModal([&over](QWidget* top) {
                over << top->objectName();
                top->close();
            }, w);
            QTest::keyClick(w, key);
            QCoreApplication::processEvents();
            uitest::ForgetWaits();
        }
        w->close();
    });
    QTest::keyClick(&main, Qt::Key_F3);
    uitest::ForgetWaits();
    QCOMPARE(over, QStringList());
}

namespace {

// Records the order in which the named windows are shown.
class ShowOrder : public QObject {
public:
    QStringList shown;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            shown << o->objectName();
        return false;
    }
};

}  // namespace

void TestWindows::splashStartsTheProgram()
{
    ShowOrder order;
    qApp->installEventFilter(&order);
    QPointer<frmSplash> splash = new frmSplash();
    qApp->removeEventFilter(&order);
    QCOMPARE(order.shown, (QStringList{"frmSplash", "frmMain"}));

    QVERIFY(splash->isVisible());
    QVERIFY(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(splash->windowType(), Qt::SplashScreen);
    QPointer<frmMain> main = TheMainWindow();
    QVERIFY(main && main->isVisible());
    QCOMPARE(Box(main, "txtMean")->text(), QString());
    auto* timer = splash->findChild<QTimer*>("Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 2000);
    // A coarse timer may fire up to 5 % early, before the two seconds are up.
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QVERIFY(timer->isSingleShot());

    // Two seconds on, the timer closes the splash; the main window stays.
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!splash);
    QVERIFY(main && main->isVisible());
    main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main);
}

void TestWindows::exitingDuringTheSplashLeavesItUntilItCloses()
{
    QPointer<frmSplash> splash = new frmSplash();
    QVERIFY(splash->testAttribute(Qt::WA_QuitOnClose));  // counts among the windows that keep the program
    QPointer<frmMain> main = TheMainWindow();
    QTest::mouseClick(Button(main, "cmdExit"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!main);
    QVERIFY(splash && splash->isVisible());

    QVERIFY(QMetaObject::invokeMethod(splash->findChild<QTimer*>("Timer1"), "timeout"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!splash);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));  // nothing left: the program ends
}

namespace {

// Each window with boxes, built as the program builds it.
std::unique_ptr<QWidget> Built(const core::design::Window& design)
{
    if (&design == &core::design::frmMain)
        return std::make_unique<frmMain>();
    if (&design == &core::design::frmConvert)
        return std::make_unique<frmConvert>(nullptr);
    if (&design == &core::design::frmAssumptions)
        return std::make_unique<frmAssumptions>(nullptr);
    if (&design == &core::design::frmCredits)
        return std::make_unique<frmCredits>(nullptr);
    if (&design == &core::design::frmReport)
        return std::make_unique<frmReport>(nullptr);
    if (&design == &core::design::frmSplash)
        return nullptr;  // it has no boxes, and it starts the program
    return std::make_unique<ui::CalculationWindow>(nullptr, design, nullptr);
}

QString Name(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

}  // namespace

void TestWindows::everyCaptionFits()
{
    for (const core::design::Window* design : core::design::kWindows) {
        if (design == &core::design::frmMain)
            continue;  // its own test counts the status bar's panels too
        QPointer<QWidget> w = design == &core::design::frmSplash ? new frmSplash() : Built(*design).release();
        uitest::ShowAndActivate(w);
        QCOMPARE(uitest::CheckCaptionsFit(w), uitest::Captions(*design));
        w->close();
        delete w;
    }
    if (frmMain* main = TheMainWindow())
        main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestWindows::captionsAreTheLabelsOfTheirBoxes()
{
    for (const core::design::Window* design : core::design::kWindows) {
        const std::unique_ptr<QWidget> w = Built(*design);
        for (const core::design::Control& c : design->controls) {
            if (!w || c.kind != core::design::Label || c.buddy.empty())
                continue;
            const QString what = Name(design->name) + "." + Name(c.name);
            auto* label = w->findChild<QLabel*>(Name(c.name));
            QWidget* box = w->findChild<QWidget*>(Name(c.buddy));
            QVERIFY2(label && box && label->buddy() == box, qPrintable(what));
            // What a screen reader sees over AT-SPI: the caption is the label of the box (labelled-by).
            bool labelled = false;
            for (const auto& [other, relation] :
                 QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label))
                labelled = labelled || other->object() == label;
            QVERIFY2(labelled, qPrintable(what));
        }
        for (const core::design::Control& c : design->controls)
            if (w && c.kind == core::design::CheckBox)  // each its own name: two say "Lower is better"
                QCOMPARE(w->findChild<QCheckBox*>(Name(c.name))->accessibleName(), Name(c.accessible));
    }
}

void TestWindows::everyNumberBoxRefusesALetter()
{
    for (const core::design::Window* design : core::design::kWindows) {
        const std::unique_ptr<QWidget> w = Built(*design);
        for (const core::design::Control& c : design->controls) {
            if (!w || !c.Has(core::design::kNumeric))
                continue;
            QLineEdit* box = Box(w.get(), c.name.data());
            box->clear();
            for (QChar key : QStringLiteral("-1a-.5"))
                QTest::keyClick(box, key.toLatin1());
            // A minus first where the value may be negative, and nowhere else.
            const QString typed = c.Has(core::design::kSigned) ? QStringLiteral("-1.5") : QStringLiteral("1.5");
            QVERIFY2(box->text() == typed, qPrintable(Name(design->name) + "." + Name(c.name)));
        }
    }
    // A minus over a selection that starts the text: it replaces the selection.
    ui::CalculationWindow small(nullptr, core::design::frmCase, nullptr);
    QLineEdit* score = Box(&small, "txtScore");
    score->setText(QStringLiteral("5"));
    score->setCursorPosition(1);
    QTest::keyClick(score, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(score, '-');
    QCOMPARE(score->text(), QStringLiteral("-"));
}

void TestWindows::pastedTablesAreRedAndKeepEachLineWhole()
{
    const std::pair<const core::design::Window*, const char*> boxes[] = {
        {&core::design::frmProfile, "txtRows"}, {&core::design::frmLowScores, "txtRows"},
        {&core::design::frmBatch, "txtScores"}};
    for (const auto& [design, name] : boxes) {
        ui::CalculationWindow w(nullptr, *design, nullptr);
        auto* box = w.findChild<QPlainTextEdit*>(name);
        QVERIFY2(box->palette().color(QPalette::Base) == QColor(255, 0, 0), name);
        QVERIFY2(box->lineWrapMode() == QPlainTextEdit::NoWrap, name);
    }
}

void TestWindows::setTopMostWindowRaisesItsFailureAgain()
{
    try {
        frmSplash::SetTopMostWindow(nullptr, true);
        QFAIL("no failure raised");
    } catch (const ui::RuntimeError& e) {
        QCOMPARE(e.Number(), 91);
        QCOMPARE(QString::fromStdString(e.Source()), QStringLiteral("Mervane+modAPIStuff/SetTopMostWindow"));
    }
}

namespace {
class Faulty : public QObject {
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw ui::RuntimeError(5, "Invalid procedure call or argument", "Mervane");
        return QObject::event(e);
    }
};
}  // namespace

void TestWindows::unexpectedFailuresAreReported()
{
    Faulty faulty;
    uitest::Message shown;
    uitest::ExpectMessage(shown);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    QCOMPARE(shown.title, QStringLiteral("Mervane"));
    QCOMPARE(shown.text, QStringLiteral("Run-time error '5':\n\nInvalid procedure call or argument"));
}
