// The reports of failed commands speak French throughout: the file, what went
// wrong and the system's cause, never the C library's English.

#include "AppTestSupport.h"

#include <QtTest>

#include <cerrno>
#include <new>
#include <stdexcept>

Q_DECLARE_METATYPE(std::shared_ptr<CFileException>)

class UserMessagesTest : public QObject {
    Q_OBJECT

private slots:
    void fileErrorsNameTheFileAndTheirCauseInFrench_data();
    void fileErrorsNameTheFileAndTheirCauseInFrench();
    void otherErrorsKeepTheirEnglishTextOut();
};

namespace {

constexpr const char* kFile = "/données/VSOP87.dat";

// Words of the English texts that what() and strerror() give.
bool HasEnglish(const QString& text)
{
    for (const char* word : {"cannot", "error", "No such", "denied", "space", "device", "bytes", "damaged", "expected",
                             "conversion again", "Input/output", "Too many", "Broken"}) {
        if (text.contains(QLatin1String(word))) {
            return true;
        }
    }
    return false;
}

} // namespace

void UserMessagesTest::fileErrorsNameTheFileAndTheirCauseInFrench_data()
{
    QTest::addColumn<std::shared_ptr<CFileException>>("error");
    QTest::addColumn<QString>("cause");
    const auto system = [](FileErrorKind kind, int number) { return std::make_shared<CFileException>(kFile, kind, number); };
    QTest::newRow("missing") << system(FileErrorKind::Open, ENOENT)
                             << QStringLiteral("impossible d'ouvrir le fichier (fichier ou répertoire introuvable)");
    QTest::newRow("unreadable") << system(FileErrorKind::Read, EIO) << QStringLiteral("erreur de lecture (erreur d'entrée-sortie)");
    QTest::newRow("disk full") << system(FileErrorKind::Write, ENOSPC)
                               << QStringLiteral("erreur d'écriture (plus de place sur le disque)");
    QTest::newRow("failing device") << system(FileErrorKind::Write, EIO) << QStringLiteral("erreur d'écriture (erreur d'entrée-sortie)");
    QTest::newRow("read-only directory") << system(FileErrorKind::Create, EACCES)
                                         << QStringLiteral("impossible de créer le fichier (permission refusée)");
    QTest::newRow("read-only file system") << system(FileErrorKind::Replace, EROFS)
                                           << QStringLiteral("impossible de remplacer le fichier (système de fichiers en lecture seule)");
    QTest::newRow("link loop") << system(FileErrorKind::Create, ELOOP)
                               << QStringLiteral("impossible de créer le fichier (trop de liens symboliques enchaînés)");
    QTest::newRow("too large") << system(FileErrorKind::Write, EFBIG) << QStringLiteral("erreur d'écriture (fichier trop grand)");
    QTest::newRow("reader gone") << system(FileErrorKind::Write, EPIPE)
                                 << QStringLiteral("erreur d'écriture (le lecteur a fermé le tube)");
    QTest::newRow("directory") << system(FileErrorKind::Write, EISDIR) << QStringLiteral("erreur d'écriture (c'est un répertoire)");
    QTest::newRow("other system error") << system(FileErrorKind::Write, EDOM)
                                        << QStringLiteral("erreur d'écriture (erreur système %1)").arg(EDOM);
    QTest::newRow("short") << std::make_shared<CFileException>(kFile, std::size_t{120}, std::size_t{100656})
                           << QStringLiteral("le fichier a 120 octets, il en faut 100656");
    QTest::newRow("cut since its conversion")
        << std::make_shared<CFileException>(CFileException::Damaged(kFile, 100000, 100656))
        << QStringLiteral("le fichier est endommagé : il a 100000 octets, sa conversion en a écrit 100656 ; "
                          "refaites la conversion (menu Outils, Reconstruire les données)");
    QTest::newRow("bytes changed since its conversion")
        << std::make_shared<CFileException>(CFileException::Damaged(kFile, 100656, 100656))
        << QStringLiteral("le fichier est endommagé : son contenu n'est plus celui que sa conversion a écrit ; "
                          "refaites la conversion (menu Outils, Reconstruire les données)");
    QTest::newRow("malformed") << std::make_shared<CFileException>(kFile, "ends inside the header of polygon 3")
                               << QStringLiteral("son contenu ne suit pas le format attendu");
}

void UserMessagesTest::fileErrorsNameTheFileAndTheirCauseInFrench()
{
    QFETCH(std::shared_ptr<CFileException>, error);
    QFETCH(QString, cause);
    const QString text = DescribeFailure(*error);
    QCOMPARE(text, QStringLiteral("Erreur sur le fichier « /données/VSOP87.dat » :\n") + cause);
    QVERIFY2(!HasEnglish(text), qPrintable(text));
}

void UserMessagesTest::otherErrorsKeepTheirEnglishTextOut()
{
    QCOMPARE(DescribeFailure(std::bad_alloc()), QStringLiteral("La commande a échoué :\nmémoire insuffisante"));
    const QString internal = DescribeFailure(std::logic_error("command without texts: 32784"));
    QCOMPARE(internal, QStringLiteral("La commande a échoué :\nerreur interne du programme"));
}


UMBRANT_QTEST(UserMessagesTest)
#include "UserMessagesTest.moc"
