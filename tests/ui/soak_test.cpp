// Thousands of random events on the real windows, seeded and bounded in count
// and time: keys of every kind into every box, pastes of random and huge
// texts, clicks on every button and the help picture, the secondary windows
// opened and closed. After each event the windows must still show only what
// they may; at the end the program must still answer correctly.

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <array>

#include <cstdint>
#include <memory>
#include <set>

#include "core/calculations/scoreanalysis.h"
#include "tests/support/properties.h"
#include "tests/ui/uitest.h"
#include "ui/main/frmmain.h"
#include "ui/common/application.h"

using uitest::Box;

namespace {

constexpr std::uint64_t kSeed = 20261207;
constexpr int kEvents = 4000;
constexpr qint64 kTimeLimitMs = 120'000;
constexpr int kHugePastes = 3;
constexpr int kHugeSize = 1 << 20;

template <std::size_t N, typename Box>
std::array<const char*, N> Names(const std::array<Box, N>& boxes)
{
    std::array<const char*, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = boxes[i].name.data();
    return names;
}
const auto kNumberBoxes = Names(core::kInputBoxes);
const auto kResults = Names(core::kResultBoxes);

// splitmix64: the same sequence on every machine and library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N]) { return items[Below(static_cast<int>(N))]; }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) { return items[static_cast<std::size_t>(Below(static_cast<int>(N)))]; }

private:
    std::uint64_t state_;
};

QString RandomText(Random& rng, int length)
{
    static const QString alphabet = QString::fromUtf8("0123456789....--++eEdD,, \t\n&HhOoxyz%€½中\u00A0");
    QString s;
    for (int i = 0; i < length; ++i)
        s += alphabet[rng.Below(static_cast<int>(alphabet.size()))];
    return s;
}

// One random key into a box, as a keyboard would send it.
void RandomKey(Random& rng, QLineEdit* box)
{
    static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                   Qt::Key_End, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab};
    switch (rng.Below(4)) {
    case 0:
        QTest::keyClick(box, rng.Pick(keys));
        break;
    case 1:
        QTest::keySequence(box, rng.Below(2) ? QKeySequence::Undo : QKeySequence::SelectAll);
        break;
    default: {
        const QString text = RandomText(rng, 1);
        if (text[0].unicode() >= 0x20 && text[0].unicode() < 0x7f) {
            QTest::keyClick(box, text[0].toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, text, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, text, Qt::NoModifier);
        }
    }
    }
}

}  // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomEventsKeepTheWindowsSound();
};

void TestSoak::randomEventsKeepTheWindowsSound()
{
    QLocale::setDefault(QLocale::c());
    frmMain window;
    uitest::ShowAndActivate(&window);
    Random rng(kSeed);
    std::set<QString> pastedInto;  // typed text is filtered; pasted text is not
    int hugePastes = 0, events = 0, runs = 0, dialogs = 0;
    const QRegularExpression typed(QStringLiteral("^[0-9]*\\.?[0-9]*$"));
    QElapsedTimer clock;
    clock.start();

    for (; events < kEvents && clock.elapsed() < kTimeLimitMs; ++events) {
        const int what = rng.Below(20);
        if (what < 9) {
            const char* name = rng.Below(6) ? rng.Pick(kNumberBoxes) : "txtMeasure";
            RandomKey(rng, Box(&window, name));
        } else if (what < 11) {
            const char* name = rng.Pick(kNumberBoxes);
            const bool huge = hugePastes < kHugePastes && rng.Below(100) == 0;
            hugePastes += huge;
            QString text = huge ? QString(kHugeSize, QLatin1Char('9')) : RandomText(rng, rng.Below(40));
            if (huge && rng.Below(2))
                text.prepend(QStringLiteral("  12.5 "));
            QApplication::clipboard()->setText(text);
            QTest::keySequence(Box(&window, name), QKeySequence::Paste);
            pastedInto.insert(QString::fromLatin1(name));
        } else if (what < 15) {
            const QString message = uitest::ClickAnsweringMessages(uitest::Button(&window, "cmdGo"));
            ++runs;
            QVERIFY2(message.isEmpty() || properties::IsKnownMessage(message.toStdString()), qPrintable(message));
            for (const char* name : kResults) {
                const std::string text = Box(&window, name)->text().toStdString();
                const bool mayBeInfinite = QLatin1String(name) == QLatin1String("txtUserPercentileAnswer");
                QVERIFY2(text.empty() || properties::IsNumberText(text, mayBeInfinite), name);
            }
        } else if (what < 16) {
            QTest::mouseClick(uitest::Button(&window, "cmdClear"), Qt::LeftButton);
            for (const char* name : kResults)
                QVERIFY(Box(&window, name)->text().isEmpty());
        } else if (what < 18) {
            RandomKey(rng, Box(&window, rng.Pick(kResults)));
        } else {
            ++dialogs;
            const int which = rng.Below(3);
            int keys = rng.Below(6);
            uitest::OnNextModal([&](QWidget* dialog) {
                if (which == 0) {
                    for (int k = 0; k < keys; ++k)
                        RandomKey(rng, Box(dialog, rng.Below(2) ? "txtConf" : "txtSD"));
                    const QString message = uitest::ClickAnsweringMessages(uitest::Button(dialog, "cmdDoIt"), dialog);
                    QVERIFY(message.isEmpty() || properties::IsKnownMessage(message.toStdString()));
                }
                dialog->close();
            });
            if (which == 0)
                QTest::mouseClick(window.findChild<QWidget*>("picConf"), Qt::LeftButton);
            else
                QTest::mouseClick(uitest::Button(&window, which == 1 ? "cmdAssumptions" : "cmdCredits"),
                                  Qt::LeftButton);
            uitest::ForgetWaits();
            QVERIFY(!QApplication::activeModalWidget());
        }

        for (const char* name : kNumberBoxes)
            if (!pastedInto.count(QString::fromLatin1(name)))
                QVERIFY2(typed.match(Box(&window, name)->text()).hasMatch(), name);
        QVERIFY(window.isVisible());
    }
    qInfo("soak: %d events (%d runs, %d secondary windows, %d pastes of 1 MB) in %lld ms, seed %llu", events, runs,
          dialogs, hugePastes, clock.elapsed(), static_cast<unsigned long long>(kSeed));

    // Still the same calculator.
    QTest::mouseClick(uitest::Button(&window, "cmdClear"), Qt::LeftButton);
    for (const char* name : kNumberBoxes)
        Box(&window, name)->setText(QString());
    QTest::keyClicks(Box(&window, "txtMean"), "50");
    QTest::keyClicks(Box(&window, "txtSD"), "10");
    QTest::keyClicks(Box(&window, "txtScore"), "65");
    QCOMPARE(uitest::ClickAnsweringMessages(uitest::Button(&window, "cmdGo")), QString());
    QCOMPARE(Box(&window, "txtZScore")->text(), QStringLiteral("1.5"));
    QCOMPARE(Box(&window, "txtConf")->text(), QStringLiteral("86.64"));
    QCOMPARE(Box(&window, "txt99Percent")->text(), QStringLiteral("73.26"));
}

int main(int argc, char** argv)
{
    ui::Application app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // the session of a test, never the user's
    uitest::ForgetSession();
    TestSoak soak;
    return QTest::qExec(&soak, argc, argv);
}

#include "soak_test.moc"
