#include "ui/Anchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace ui {

namespace {

class AnchorFilter final : public QObject {
public:
    AnchorFilter(QWidget* child, Qt::Edges edges)
        : QObject(child)
        , m_child(child)
        , m_edges(edges)
    {
        const QRect g = child->geometry();
        const QSize p = child->parentWidget()->size();
        m_left = g.left();
        m_top = g.top();
        m_right = p.width() - (g.left() + g.width());
        m_bottom = p.height() - (g.top() + g.height());
        child->parentWidget()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && m_child && watched == m_child->parentWidget())
            place();
        return false;
    }

private:
    void place()
    {
        const QSize p = m_child->parentWidget()->size();
        int x = m_child->x();
        int w = m_child->width();
        if (m_edges.testFlag(Qt::LeftEdge) && m_edges.testFlag(Qt::RightEdge)) {
            x = m_left;
            w = std::max(0, p.width() - m_left - m_right);
        } else if (m_edges.testFlag(Qt::RightEdge)) {
            x = p.width() - m_right - w;
        }
        int y = m_child->y();
        int h = m_child->height();
        if (m_edges.testFlag(Qt::TopEdge) && m_edges.testFlag(Qt::BottomEdge)) {
            y = m_top;
            h = std::max(0, p.height() - m_top - m_bottom);
        } else if (m_edges.testFlag(Qt::BottomEdge)) {
            y = p.height() - m_bottom - h;
        }
        m_child->setGeometry(x, y, w, h);
    }

    QPointer<QWidget> m_child;
    Qt::Edges m_edges;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
};

} // namespace

void anchor(QWidget* child, Qt::Edges edges)
{
    new AnchorFilter(child, edges);
}

} // namespace ui
