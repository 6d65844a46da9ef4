#include "app/AnimationExportDialog.h"

#include "app/DialogButtons.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char* const kContext = "CAnimationExportDialog";
const char* const kTitle = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Exporter l'animation");
const char* const kFrom = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Début (TU) :");
const char* const kTo = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Fin (TU) :");
const char* const kStep = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Pas entre deux images (secondes) :");
const char* const kWidth = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Largeur (pixels) :");
const char* const kHeight = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Hauteur (pixels) :");
const char* const kRate = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Images par seconde :");
const char* const kFormat = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Format :");
const char* const kMp4 = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Vidéo MP4 (H.264)");
const char* const kWebM = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Vidéo WebM (VP9)");
const char* const kGif = QT_TRANSLATE_NOOP("CAnimationExportDialog", "Image GIF animée");

constexpr int kLargestSide = 8192;
constexpr int kMostFramesPerSecond = 120;
constexpr double kLongestStepSeconds = 86400.0;
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString Text(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

// The fields hold the calendar's date as numbers: QDate's own calendar is
// the proleptic Gregorian, so only its year, month and day are used.
QDateTime ToDateTime(const CivilDateTime& time)
{
    const int seconds = static_cast<int>(std::floor(time.second));
    return QDateTime(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, seconds), QTimeZone::utc());
}

CivilDateTime ToCivil(const QDateTime& time)
{
    return {time.date().year(), time.date().month(), time.date().day(), time.time().hour(), time.time().minute(),
            static_cast<double>(time.time().second())};
}

QDateTimeEdit* DateTimeField(const CivilDateTime& time, const char* name)
{
    auto* field = new QDateTimeEdit(ToDateTime(time));
    field->setTimeSpec(Qt::UTC);
    field->setDisplayFormat(kDateTimeFormat);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QSpinBox* NumberField(int value, int largest, const char* name)
{
    auto* field = new QSpinBox;
    field->setRange(1, largest);
    field->setValue(value);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

} // namespace

CAnimationExportDialog::CAnimationExportDialog(const AnimationExportSettings& initial, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Text(kTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_from = DateTimeField(initial.from, "fromField");
    m_to = DateTimeField(initial.to, "toField");
    m_step = new QDoubleSpinBox;
    m_step->setObjectName(QStringLiteral("stepField"));
    m_step->setRange(0.1, kLongestStepSeconds);
    m_step->setDecimals(1);
    m_step->setValue(initial.stepSeconds);
    m_width = NumberField(initial.width, kLargestSide, "widthField");
    m_height = NumberField(initial.height, kLargestSide, "heightField");
    m_framesPerSecond = NumberField(initial.framesPerSecond, kMostFramesPerSecond, "rateField");
    m_format = new QComboBox;
    m_format->setObjectName(QStringLiteral("formatField"));
    m_format->addItem(Text(kMp4), static_cast<int>(VideoFormat::Mp4));
    m_format->addItem(Text(kWebM), static_cast<int>(VideoFormat::WebM));
    m_format->addItem(Text(kGif), static_cast<int>(VideoFormat::Gif));
    m_format->setCurrentIndex(m_format->findData(static_cast<int>(initial.format)));

    auto* form = new QFormLayout;
    form->addRow(Text(kFrom), m_from);
    form->addRow(Text(kTo), m_to);
    form->addRow(Text(kStep), m_step);
    form->addRow(Text(kWidth), m_width);
    form->addRow(Text(kHeight), m_height);
    form->addRow(Text(kRate), m_framesPerSecond);
    form->addRow(Text(kFormat), m_format);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeQuitOkRow(*this));
}

AnimationExportSettings CAnimationExportDialog::Settings() const
{
    AnimationExportSettings settings;
    settings.from = ToCivil(m_from->dateTime());
    settings.to = ToCivil(m_to->dateTime());
    settings.stepSeconds = m_step->value();
    settings.width = m_width->value();
    settings.height = m_height->value();
    settings.framesPerSecond = m_framesPerSecond->value();
    settings.format = static_cast<VideoFormat>(m_format->currentData().toInt());
    return settings;
}
