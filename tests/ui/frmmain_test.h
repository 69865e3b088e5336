#ifndef MERVANE_TESTS_UI_FRMMAIN_TEST_H
#define MERVANE_TESTS_UI_FRMMAIN_TEST_H

#include <QObject>

#include <memory>

#include "ui/main/frmmain.h"

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensEmptyWithFocusInRawScore();
    void computes_data();
    void computes();
    void showsTheMessageAfterWritingTheResults();
    void aMissingMeanEmptiesEveryResult();
    void clearEmptiesTheTwentyBoxesOnly();
    void filtersTypedKeys_data();
    void filtersTypedKeys();
    void editingKeysStillWork();
    void composedTextPassesTheRuleToo();
    void clipboardWorksAndPastesAreNotFiltered();
    void enterAndEscapeDoNothing();
    void mnemonicsClickTheButtons();
    void picConfOpensAFreshConverterEachTime();
    void tabVisitsTheDesignOrder();
    void controlsStayPutWhenResized();
    void everyCaptionFits();
    void boxesCarryTheirCaptionsForScreenReaders();
    void resultsUseTheLocaleSeparator();
    void statusBarKeepsTheClock();

private:
    std::unique_ptr<frmMain> window;
};

#endif
