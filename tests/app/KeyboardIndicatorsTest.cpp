// The lock indicators of the status bar: what the keyboard's indicator query
// answers is shown at once and after each key, and where the platform gives
// no answer (offscreen here) the panes keep to the key events.

#include "AppTestSupport.h"

#include "app/KeyboardIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

class KeyboardIndicatorsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theQueriedIndicatorsShowAtStartUpAndAfterEachKey();
    void aQueryWithoutAnswerLeavesThePanesAsTheyAre();
    void offscreenGivesNoQueryAndKeysChangeNothing();

private:
    QStringList LitPanes() const;
    void PressKey();
    // Stands for the keyboard: answers m_answer.
    IndicatorQuery FakeQuery();

    std::optional<LockStates> m_answer;
    int m_queries = 0;

    std::unique_ptr<QMainWindow> m_window;
    QLineEdit* m_editor = nullptr;
};

void KeyboardIndicatorsTest::init()
{
    m_answer.reset();
    m_queries = 0;
    m_window = std::make_unique<QMainWindow>();
    m_editor = new QLineEdit;
    m_window->setCentralWidget(m_editor);
    m_window->statusBar();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void KeyboardIndicatorsTest::cleanup()
{
    m_window.reset();
}

QStringList KeyboardIndicatorsTest::LitPanes() const
{
    QStringList lit;
    for (const char* name : {"MAJ", "NUM", "DEF"}) {
        const auto* pane = m_window->statusBar()->findChild<QLabel*>(QString::fromLatin1(name) + QStringLiteral("Indicator"));
        if (pane != nullptr && pane->isEnabled()) {
            lit << QString::fromLatin1(name);
        }
    }
    return lit;
}

IndicatorQuery KeyboardIndicatorsTest::FakeQuery()
{
    return [this] {
        ++m_queries;
        return m_answer;
    };
}

void KeyboardIndicatorsTest::PressKey()
{
    QTest::keyClick(m_editor, Qt::Key_A);
}

void KeyboardIndicatorsTest::theQueriedIndicatorsShowAtStartUpAndAfterEachKey()
{
    m_answer = LockStates{true, false, true};
    new CKeyboardIndicators(*m_window->statusBar(), FakeQuery());
    QCOMPARE(m_queries, 1);
    QCOMPARE(LitPanes(), QStringList({QStringLiteral("MAJ"), QStringLiteral("DEF")}));

    m_answer = LockStates{false, true, false};
    PressKey();
    QCOMPARE(LitPanes(), QStringList({QStringLiteral("NUM")}));
    m_answer = LockStates{true, true, true};
    PressKey();
    QCOMPARE(LitPanes(), QStringList({QStringLiteral("MAJ"), QStringLiteral("NUM"), QStringLiteral("DEF")}));
}

void KeyboardIndicatorsTest::aQueryWithoutAnswerLeavesThePanesAsTheyAre()
{
    m_answer = LockStates{false, true, false};
    new CKeyboardIndicators(*m_window->statusBar(), FakeQuery());
    m_answer.reset();
    PressKey();
    QCOMPARE(LitPanes(), QStringList({QStringLiteral("NUM")}));
}

// As before there was a query: greyed from the start, and key events, with
// whatever native modifiers, change nothing.
void KeyboardIndicatorsTest::offscreenGivesNoQueryAndKeysChangeNothing()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    QVERIFY(!PlatformIndicatorQuery());
    new CKeyboardIndicators(*m_window->statusBar());
    QCOMPARE(LitPanes(), QStringList());
    constexpr quint32 kCapitalsAndNumberLocks = 0x12;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 0, 0, kCapitalsAndNumberLocks, QStringLiteral("a"));
    QApplication::sendEvent(m_editor, &press);
    QCOMPARE(LitPanes(), QStringList());
}

UMBRANT_QTEST(KeyboardIndicatorsTest)
#include "KeyboardIndicatorsTest.moc"
