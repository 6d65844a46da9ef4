#include "app/UserMessages.h"

#include "datafiles/FileException.h"

#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <new>

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowOnStandardError(const QString& text)
{
    std::fprintf(stderr, "Umbrant : %s\n", text.toUtf8().constData());
}

QString ConversionMessage(ConversionStatus status)
{
    return status == ConversionStatus::Completed ? QStringLiteral("Opération terminée")
                                                 : QStringLiteral("Une erreur s'est produite durant la conversion");
}

namespace {

// The system's reason in the interface's language, whatever the C library's.
QString SystemReason(int errorNumber)
{
    switch (errorNumber) {
    case 0:
        return QString();
    case ENOENT:
        return QStringLiteral(" (fichier ou répertoire introuvable)");
    case EACCES:
    case EPERM:
        return QStringLiteral(" (permission refusée)");
    case ENOSPC:
        return QStringLiteral(" (plus de place sur le disque)");
    case EDQUOT:
        return QStringLiteral(" (quota disque dépassé)");
    case EROFS:
        return QStringLiteral(" (système de fichiers en lecture seule)");
    case EIO:
        return QStringLiteral(" (erreur d'entrée-sortie)");
    case EISDIR:
        return QStringLiteral(" (c'est un répertoire)");
    case ENOTDIR:
        return QStringLiteral(" (un élément du chemin n'est pas un répertoire)");
    case ENAMETOOLONG:
        return QStringLiteral(" (nom trop long)");
    case ELOOP:
        return QStringLiteral(" (trop de liens symboliques enchaînés)");
    case EFBIG:
        return QStringLiteral(" (fichier trop grand)");
    case EPIPE:
        return QStringLiteral(" (le lecteur a fermé le tube)");
    case ENXIO:
        return QStringLiteral(" (périphérique absent)");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral(" (fichier occupé)");
    case EMFILE:
    case ENFILE:
        return QStringLiteral(" (trop de fichiers ouverts)");
    case ENOMEM:
        return QStringLiteral(" (mémoire insuffisante)");
    case EEXIST:
        return QStringLiteral(" (le fichier existe déjà)");
    case EXDEV:
        return QStringLiteral(" (pas sur le même système de fichiers)");
    case EINVAL:
        return QStringLiteral(" (argument invalide)");
    default:
        return QStringLiteral(" (erreur système %1)").arg(errorNumber);
    }
}

QString DescribeDamage(const CFileException& error)
{
    const QString difference =
        error.ActualSize() != error.ExpectedSize()
            ? QStringLiteral("il a %1 octets, sa conversion en a écrit %2").arg(error.ActualSize()).arg(error.ExpectedSize())
            : QStringLiteral("son contenu n'est plus celui que sa conversion a écrit");
    return QStringLiteral("le fichier est endommagé : %1 ; refaites la conversion (menu Transform)").arg(difference);
}

QString DescribeFileError(const CFileException& error)
{
    switch (error.Kind()) {
    case FileErrorKind::Open:
        return QStringLiteral("impossible d'ouvrir le fichier") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Read:
        return QStringLiteral("erreur de lecture") + SystemReason(error.ErrorNumber());
    case FileErrorKind::TooShort:
        return QStringLiteral("le fichier a %1 octets, il en faut %2").arg(error.ActualSize()).arg(error.ExpectedSize());
    case FileErrorKind::Create:
        return QStringLiteral("impossible de créer le fichier") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Write:
        return QStringLiteral("erreur d'écriture") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Replace:
        return QStringLiteral("impossible de remplacer le fichier") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Damaged:
        return DescribeDamage(error);
    case FileErrorKind::Malformed:
        break;
    }
    return QStringLiteral("son contenu ne suit pas le format attendu");
}

} // namespace

QString DescribeFailure(const std::exception& error)
{
    if (const auto* fileError = dynamic_cast<const CFileException*>(&error)) {
        return QStringLiteral("Erreur sur le fichier « %1 » :\n%2")
            .arg(QString::fromStdString(fileError->FileName()), DescribeFileError(*fileError));
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return QStringLiteral("La commande a échoué :\nmémoire insuffisante");
    }
    // Other errors are the program's own faults; their English text stays out of the interface.
    return QStringLiteral("La commande a échoué :\nerreur interne du programme");
}

void RunCommand(const MessagePresenter& presenter, QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        presenter(parent, QMessageBox::Critical, kProgramName, DescribeFailure(error));
    }
}
