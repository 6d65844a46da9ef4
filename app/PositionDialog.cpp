#include "app/PositionDialog.h"

#include "app/DesktopGazetteer.h"
#include "app/DialogFields.h"
#include "app/PlaceTexts.h"
#include "app/ToolTexts.h"
#include "model/DocumentOptions.h"
#include "model/Observation.h"

#include <QCoreApplication>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

constexpr int kHeightDecimals = 0;

QPushButton* NamedButton(const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

CPositionDialog::CPositionDialog(CObservation& observation, CDocumentOptions& options, QWidget* parent)
    : QDialog(parent), m_observation(observation), m_options(options)
{
    setWindowTitle(kPositionDialogTitle);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // "OK" first, as in the map-centre dialog: it takes the focus.
    QPushButton* ok = NamedButton(tr("OK"), "okButton");
    ok->setDefault(true);
    QPushButton* cancel = NamedButton(kCancelButton, "cancelButton");
    QPushButton* onMap = NamedButton(kPickOnMapButton, "pickOnMapButton");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(onMap, &QPushButton::clicked, this, [this] { done(PickOnMap); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_longitude.MakeGroup(AngleAxis::Longitude, tr("Longitude"), tr("Est"), tr("Ouest"),
                                            QStringLiteral("longitude")),
                      0, 0);
    layout->addWidget(m_latitude.MakeGroup(AngleAxis::Latitude, tr("Latitude"), tr("Nord"), tr("Sud"),
                                           QStringLiteral("latitude")),
                      1, 0);
    layout->addWidget(MakeHeightGroup(), 2, 0);
    m_error = MakeErrorLabel();
    // Row 3 is the towns' field, once the gazetteer is there.
    layout->addWidget(m_error, 4, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(onMap);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1, 3, 1);

    m_longitude.Show(m_observation.m_longitude);
    m_latitude.Show(m_observation.m_latitude);
    m_height->setText(FormatFixed(m_options.m_observerHeight, kHeightDecimals));
    ok->setFocus();
}

QWidget* CPositionDialog::MakeHeightGroup()
{
    auto* group = new QGroupBox(kHeightGroupTitle);
    auto* row = new QHBoxLayout(group);
    m_height = new QLineEdit;
    m_height->setObjectName(QStringLiteral("heightEdit"));
    row->addWidget(m_height);
    row->addWidget(new QLabel(kMetresUnit));
    row->addStretch();
    return group;
}

void CPositionDialog::EnableTownSearch(const CDesktopGazetteer& gazetteer)
{
    if (m_town != nullptr || gazetteer.CompletionEntries().isEmpty()) {
        return;
    }
    m_gazetteer = &gazetteer;
    auto* group = new QGroupBox(kTownFieldLabel);
    auto* row = new QHBoxLayout(group);
    m_town = new QLineEdit;
    m_town->setObjectName(QStringLiteral("townEdit"));
    m_town->setPlaceholderText(kTownSearchPlaceholder);
    m_town->setToolTip(kTownSearchPrompt);
    auto* completer = new QCompleter(new QStringListModel(gazetteer.CompletionEntries(), m_town), m_town);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setModelSorting(QCompleter::UnsortedModel);
    m_town->setCompleter(completer);
    row->addWidget(m_town);
    static_cast<QGridLayout*>(layout())->addWidget(group, 3, 0);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &CPositionDialog::ShowTown);
    connect(m_town, &QLineEdit::returnPressed, this, [this] { ShowTown(m_town->text()); });
}

bool CPositionDialog::ShowTown(const QString& text)
{
    if (m_gazetteer == nullptr) {
        return false;
    }
    const PlaceChoice choice = m_gazetteer->Choose(text);
    if (!choice.chosen) {
        return false;
    }
    m_longitude.Show(choice.chosen->longitude);
    m_latitude.Show(choice.chosen->latitude);
    return true;
}

void CPositionDialog::accept()
{
    const AngleReading longitude = m_longitude.Read();
    if (!longitude.degrees) {
        SetFieldError(*m_error, longitude.error);
        return;
    }
    const AngleReading latitude = m_latitude.Read();
    if (!latitude.degrees) {
        SetFieldError(*m_error, latitude.error);
        return;
    }
    bool isNumber = false;
    const double height = QString(m_height->text()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&isNumber);
    if (!isNumber || !(height >= kLowestObserverHeight && height <= kHighestObserverHeight)) {
        SetFieldError(*m_error, tr("L'altitude est un nombre de mètres de %1 à %2.")
                                    .arg(kLowestObserverHeight)
                                    .arg(kHighestObserverHeight));
        m_height->setFocus();
        m_height->selectAll();
        return;
    }
    m_observation.m_longitude = *longitude.degrees;
    m_observation.m_latitude = *latitude.degrees;
    m_options.m_observerHeight = height;
    QDialog::accept();
}
