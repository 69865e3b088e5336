#ifndef MERVANE_TESTS_UI_WINDOWS_TEST_H
#define MERVANE_TESTS_UI_WINDOWS_TEST_H

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's "open" operation and remembers each address.
class UrlRecorder : public QObject {
    Q_OBJECT

public slots:
    void open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void converterAnswers_data();
    void converterAnswers();
    void converterRefusalKeepsThePreviousAnswer();
    void converterKeysAndTabs();
    void assumptionsTextAndClosing();
    void escapeNeverClosesASecondaryWindow();
    void escapeClosesAnAddedWindowAndKeepsItsInputs();
    void creditsTexts();
    void creditsWebSiteButtonHandsOverTheAddressEachTime();
    void interpretationOpensPrefilledAndIsWired();
    void manyScoresArePastedReadAndCopied();
    void profileOpensPrefilledAndIsWired();
    void twoScoresOpenPrefilledAndAreWired();
    void caseAgainstControlsOpensPrefilledAndIsWired();
    void oneModalWindowAtATime();
    void everyOpeningCarriesAndEveryGoShowsWhatTheCoreGives();
    void lowScoresOpenFromTheProfileAndAreWired();
    void reportTellsWhatEveryWindowKeptAndIsSavedAndCopied();
    void theSessionIsKeptAtEachGoAndReadAtStart();
    void anUnreadableSessionIsMovedAsideAndSaid();
    void aCaseIsSavedOpenedAndClearedFromTheReport();
    void splashStartsTheProgram();
    void exitingDuringTheSplashLeavesItUntilItCloses();
    void everyCaptionFits();
    void captionsAreTheLabelsOfTheirBoxes();
    void everyNumberBoxRefusesALetter();
    void pastedTablesAreRedAndKeepEachLineWhole();
    void setTopMostWindowRaisesItsFailureAgain();
    void unexpectedFailuresAreReported();

private:
    UrlRecorder urls;
};

#endif
