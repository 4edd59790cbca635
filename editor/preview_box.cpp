#include "editor/preview_box.h"

#include <QMouseEvent>
#include <QPainter>

PreviewBox::PreviewBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewBox::clear() {
    m_picture = QImage();
    m_target = QRectF();
    update();
}

void PreviewBox::show(const QImage& picture, const QRectF& target) {
    m_picture = picture;
    m_target = target;
    update();
}

namespace {
constexpr int kBorder = 2;
}

QSize PreviewBox::innerSize() const {
    return size().shrunkBy(QMargins(kBorder, kBorder, kBorder, kBorder));
}

QImage PreviewBox::contents() const {
    QImage image(innerSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!m_picture.isNull()) {
        QPainter painter(&image);
        painter.drawImage(m_target, m_picture);
    }
    return image;
}

void PreviewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A sunken border: dark above and left, light below and right.
    painter.fillRect(rect(), palette().color(QPalette::Light));
    painter.fillRect(0, 0, width() - 1, height() - 1, palette().color(QPalette::Dark));
    painter.fillRect(1, 1, width() - 2, height() - 2, palette().color(QPalette::Midlight));
    painter.fillRect(1, 1, width() - 3, height() - 3, palette().color(QPalette::Shadow));
    painter.drawImage(kBorder, kBorder, contents());
}

void PreviewBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
