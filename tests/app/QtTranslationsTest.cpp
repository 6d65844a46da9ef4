// Qt's own dialogs and buttons speak the interface's language: French from
// the start, English when the interface asks for it.

#include "AppTestSupport.h"

#include "app/QtTranslations.h"
#include "app/UmbrantApp.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class QtTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsAndTheFileDialogSpeakTheChosenLanguage();
    void theProgramStartsWithQtsFrenchTexts();

private:
    static QStringList MessageBoxButtons();
    static QString FileDialogLookInLabel();
};

QStringList QtTranslationsTest::MessageBoxButtons()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No |
                           QMessageBox::Save);
    QStringList texts;
    for (const QMessageBox::StandardButton button :
         {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No, QMessageBox::Save}) {
        texts << box.button(button)->text();
    }
    return texts;
}

QString QtTranslationsTest::FileDialogLookInLabel()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return label != nullptr ? label->text() : QString();
}

void QtTranslationsTest::standardButtonsAndTheFileDialogSpeakTheChosenLanguage()
{
    QVERIFY(InstallQtTranslations(QLocale::French));
    QCOMPARE(MessageBoxButtons(), QStringList({QStringLiteral("OK"), QStringLiteral("Annuler"), QStringLiteral("&Oui"),
                                               QStringLiteral("&Non"), QStringLiteral("Enregistrer")}));
    QCOMPARE(FileDialogLookInLabel(), QStringLiteral("Voir dans :"));

    QVERIFY(InstallQtTranslations(QLocale::English));
    QCOMPARE(MessageBoxButtons(), QStringList({QStringLiteral("OK"), QStringLiteral("Cancel"), QStringLiteral("&Yes"),
                                               QStringLiteral("&No"), QStringLiteral("Save")}));
    QCOMPARE(FileDialogLookInLabel(), QStringLiteral("Look in:"));
}

// A print switch on a missing document ends the start-up early, after the
// translations are in place and before any window.
void QtTranslationsTest::theProgramStartsWithQtsFrenchTexts()
{
    QVERIFY(InstallQtTranslations(QLocale::English));
    QTemporaryDir directory;
    CUmbrantApp program;
    QVERIFY(!program.InitInstance({QStringLiteral("umbrant"), QStringLiteral("/p"), directory.filePath(QStringLiteral("none.umb"))}));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    QCOMPARE(MessageBoxButtons().at(1), QStringLiteral("Annuler"));
}

UMBRANT_QTEST(QtTranslationsTest)
#include "QtTranslationsTest.moc"
