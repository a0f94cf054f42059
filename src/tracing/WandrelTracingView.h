#pragma once

#include "model/PointDataSource.h"

#include <QString>
#include <QWidget>

// The view over the acetate in which the one route is traced. It owns the
// route; the figures shown for it come from the controller.
class WandrelTracingView : public QWidget {
    Q_OBJECT
public:
    explicit WandrelTracingView(QWidget* parent = nullptr);

    PointDataSource& getPointDataSource() { return pointDataSource; }
    const PointDataSource& getPointDataSource() const { return pointDataSource; }

    // Route length and area in pixels.
    float totalDistance() const;
    float totalArea() const;

    // Figures and settings for the route's inspector.
    void setAnswer(const QString& text) { answerText = text; }
    void setAreaAnswer(const QString& text) { areaAnswerText = text; }
    void setScale(const QString& text) { scaleText = text; }
    void setScaleUnits(const QString& title) { scaleUnitsTitle = title; }
    void setAnswerUnits(const QString& title) { answerUnitsTitle = title; }
    QString getAnswer() const { return answerText; }
    QString getAreaAnswer() const { return areaAnswerText; }
    QString getScale() const { return scaleText; }
    QString getScaleUnits() const { return scaleUnitsTitle; }
    QString getAnswerUnits() const { return answerUnitsTitle; }
    void refreshInfoTable() {}

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    PointDataSource pointDataSource;
    // Height at which the child views were last placed; Qt does not report
    // the old size of a resize made while the view was hidden.
    int placedHeight;
    QString answerText;
    QString areaAnswerText;
    QString scaleText;
    QString scaleUnitsTitle;
    QString answerUnitsTitle;
};
