#pragma once
// The palette's preview picPreview: a white box showing one picture at a
// given place and size; a click on it places the chosen entry.

#include <QImage>
#include <QRectF>
#include <QWidget>

class PreviewBox : public QWidget {
    Q_OBJECT

public:
    explicit PreviewBox(QWidget* parent = nullptr);

    // Empties the box to its white background.
    void clear();
    // Shows `picture` stretched into `target` (coordinates of the inner area).
    void show(const QImage& picture, const QRectF& target);

    // The inner drawing area inside the box's sunken border.
    QSize innerSize() const;
    bool isEmpty() const { return m_picture.isNull(); }
    const QRectF& target() const { return m_target; }
    // What the inner area shows.
    QImage contents() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    QRectF m_target;
};
