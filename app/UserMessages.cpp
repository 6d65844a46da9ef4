#include "app/UserMessages.h"

#include "datafiles/FileException.h"

#include <QWidget>

#include <cerrno>
#include <cstdio>

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
    default:
        return QStringLiteral(" (erreur système %1)").arg(errorNumber);
    }
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
    case FileErrorKind::Malformed:
        break;
    }
    return QStringLiteral("contenu invalide : %1").arg(QString::fromStdString(error.Detail()));
}

} // namespace

QString DescribeFailure(const std::exception& error)
{
    if (const auto* fileError = dynamic_cast<const CFileException*>(&error)) {
        return QStringLiteral("Erreur sur le fichier « %1 » :\n%2")
            .arg(QString::fromStdString(fileError->FileName()), DescribeFileError(*fileError));
    }
    return QStringLiteral("La commande a échoué :\n%1").arg(QString::fromLocal8Bit(error.what()));
}

void RunCommand(const MessagePresenter& presenter, QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        presenter(parent, QMessageBox::Critical, kProgramName, DescribeFailure(error));
    }
}
