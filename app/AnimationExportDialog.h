#pragma once

#include "core/Calendar.h"
#include "video/VideoEncoder.h"

#include <QDialog>

class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QSpinBox;

// What "Exporter l'animation..." asks for: the span of Universal Time, the
// step of eclipse time between pictures, their size and rate, the format.
struct AnimationExportSettings {
    CivilDateTime from;
    CivilDateTime to;
    double stepSeconds = 60.0;
    int width = 1280;
    int height = 720;
    int framesPerSecond = 30;
    VideoFormat format = VideoFormat::Mp4;
};

// The dialog of the animation's settings, opened on the span given (the
// current eclipse's first to last contact).
class CAnimationExportDialog : public QDialog {
    Q_OBJECT

public:
    CAnimationExportDialog(const AnimationExportSettings& initial, QWidget* parent = nullptr);

    AnimationExportSettings Settings() const;

private:
    QDateTimeEdit* m_from = nullptr;
    QDateTimeEdit* m_to = nullptr;
    QDoubleSpinBox* m_step = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QSpinBox* m_framesPerSecond = nullptr;
    QComboBox* m_format = nullptr;
};
