#include "app/UserMessages.h"

#include "datafiles/FileException.h"
#include "model/DocumentCheck.h"

#include <QCoreApplication>
#include <QWidget>

#include <cerrno>
#include <cstdio>
#include <new>

namespace {

// The context of this file's texts for their translation.
class CText {
    Q_DECLARE_TR_FUNCTIONS(UserMessages)
};

} // namespace

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
    return status == ConversionStatus::Completed ? CText::tr("Opération terminée")
                                                 : CText::tr("Une erreur s'est produite durant la conversion");
}

namespace {

// The system's reason in the interface's language, whatever the C library's.
QString SystemReason(int errorNumber)
{
    switch (errorNumber) {
    case 0:
        return QString();
    case ENOENT:
        return CText::tr(" (fichier ou répertoire introuvable)");
    case EACCES:
    case EPERM:
        return CText::tr(" (permission refusée)");
    case ENOSPC:
        return CText::tr(" (plus de place sur le disque)");
    case EDQUOT:
        return CText::tr(" (quota disque dépassé)");
    case EROFS:
        return CText::tr(" (système de fichiers en lecture seule)");
    case EIO:
        return CText::tr(" (erreur d'entrée-sortie)");
    case EISDIR:
        return CText::tr(" (c'est un répertoire)");
    case ENOTDIR:
        return CText::tr(" (un élément du chemin n'est pas un répertoire)");
    case ENAMETOOLONG:
        return CText::tr(" (nom trop long)");
    case ELOOP:
        return CText::tr(" (trop de liens symboliques enchaînés)");
    case EFBIG:
        return CText::tr(" (fichier trop grand)");
    case EPIPE:
        return CText::tr(" (le lecteur a fermé le tube)");
    case ENXIO:
        return CText::tr(" (périphérique absent)");
    case EBUSY:
    case ETXTBSY:
        return CText::tr(" (fichier occupé)");
    case EMFILE:
    case ENFILE:
        return CText::tr(" (trop de fichiers ouverts)");
    case ENOMEM:
        return CText::tr(" (mémoire insuffisante)");
    case EEXIST:
        return CText::tr(" (le fichier existe déjà)");
    case EXDEV:
        return CText::tr(" (pas sur le même système de fichiers)");
    case EINVAL:
        return CText::tr(" (argument invalide)");
    default:
        return CText::tr(" (erreur système %1)").arg(errorNumber);
    }
}

QString DescribeDamage(const CFileException& error)
{
    const QString difference =
        error.ActualSize() != error.ExpectedSize()
            ? CText::tr("il a %1 octets, sa conversion en a écrit %2").arg(error.ActualSize()).arg(error.ExpectedSize())
            : CText::tr("son contenu n'est plus celui que sa conversion a écrit");
    return CText::tr("le fichier est endommagé : %1 ; refaites la conversion (menu Outils, Reconstruire les données)").arg(difference);
}

QString DescribeFileError(const CFileException& error)
{
    switch (error.Kind()) {
    case FileErrorKind::Open:
        return CText::tr("impossible d'ouvrir le fichier") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Read:
        return CText::tr("erreur de lecture") + SystemReason(error.ErrorNumber());
    case FileErrorKind::TooShort:
        return CText::tr("le fichier a %1 octets, il en faut %2").arg(error.ActualSize()).arg(error.ExpectedSize());
    case FileErrorKind::Create:
        return CText::tr("impossible de créer le fichier") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Write:
        return CText::tr("erreur d'écriture") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Replace:
        return CText::tr("impossible de remplacer le fichier") + SystemReason(error.ErrorNumber());
    case FileErrorKind::Damaged:
        return DescribeDamage(error);
    case FileErrorKind::Malformed:
        break;
    }
    return CText::tr("son contenu ne suit pas le format attendu");
}

QString FieldText(DocumentField field)
{
    switch (field) {
    case DocumentField::RecordFlag: return CText::tr("une marque d'enregistrement");
    case DocumentField::Day: return CText::tr("le jour");
    case DocumentField::Month: return CText::tr("le mois");
    case DocumentField::Year: return CText::tr("l'année");
    case DocumentField::Hour: return CText::tr("l'heure");
    case DocumentField::Minute: return CText::tr("la minute");
    case DocumentField::Second: return CText::tr("la seconde");
    case DocumentField::GivenDeltaT: return CText::tr("le Delta T donné");
    case DocumentField::ObserverLongitude: return CText::tr("la longitude de l'observateur");
    case DocumentField::ObserverLatitude: return CText::tr("la latitude de l'observateur");
    case DocumentField::CentreLongitude: return CText::tr("la longitude du centre de la carte");
    case DocumentField::CentreLatitude: return CText::tr("la latitude du centre de la carte");
    case DocumentField::ViewportScale: return CText::tr("l'échelle de la carte");
    case DocumentField::ViewportOrigin: return CText::tr("l'origine de la carte");
    case DocumentField::ViewportSize: return CText::tr("la taille de la carte");
    }
    return QString();
}

QString NumberText(double value)
{
    return QString::number(value, 'g', 15);
}

QString DescribeImplausible(const CImplausibleDocument& error)
{
    const DocumentFault& fault = error.Fault();
    const QString name = QString::fromStdString(error.FileName());
    if (fault.field == DocumentField::RecordFlag) {
        return CText::tr("« %1 » n'est pas un document Umbrant :\nses marques d'enregistrement ne valent pas 1 "
                         "(%2 lu), c'est un fichier d'une autre sorte ou endommagé.")
            .arg(name, NumberText(fault.value));
    }
    QString field = FieldText(fault.field);
    field[0] = field[0].toUpper();
    return CText::tr("« %1 » n'est pas un document Umbrant :\n%2 vaut %3, hors de %4 à %5.")
        .arg(name, field, NumberText(fault.value), NumberText(fault.lowest), NumberText(fault.highest));
}

} // namespace

QString DescribeFailure(const std::exception& error)
{
    if (const auto* implausible = dynamic_cast<const CImplausibleDocument*>(&error)) {
        return DescribeImplausible(*implausible);
    }
    if (const auto* fileError = dynamic_cast<const CFileException*>(&error)) {
        return CText::tr("Erreur sur le fichier « %1 » :\n%2")
            .arg(QString::fromStdString(fileError->FileName()), DescribeFileError(*fileError));
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return CText::tr("La commande a échoué :\nmémoire insuffisante");
    }
    // Other errors are the program's own faults; their English text stays out of the interface.
    return CText::tr("La commande a échoué :\nerreur interne du programme");
}

void RunCommand(const MessagePresenter& presenter, QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        presenter(parent, QMessageBox::Critical, kProgramName, DescribeFailure(error));
    }
}
