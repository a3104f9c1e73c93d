#include "picture/artwork.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

// The grand piano of the window background, built as a simple solid and drawn
// in lines. Model units are about one pixel. u runs along the piano from the
// front of the case (0) to the tail; w runs across it from the near side
// (the treble side, where the bentside curves) to the straight spine; h is the
// height above the underside of the case. The view is a fixed parallel
// projection from in front of the keyboard end and above.
namespace art {

namespace {

namespace model {
constexpr qreal length = 190.0;    // front of the case to the tail
constexpr qreal width = 96.0;      // treble side to spine
constexpr qreal caseDepth = 21.0;  // height of the rim
constexpr qreal rim = 3.2;         // thickness of the rim seen from above
constexpr qreal keyReach = 15.0;   // how far the keys and cheek blocks stand out in front
constexpr qreal keyTop = 11.0;     // height of the key tops
constexpr qreal keyBed = 6.0;      // height of the key slip's lower edge
constexpr qreal cheek = 5.0;       // width of each cheek block
constexpr qreal legLength = 60.0;
constexpr qreal lidOpen = 0.87;            // radians the lid is raised by (about 50 degrees)
constexpr qreal lidFront = 0.25 * length;  // the front flap is folded back: the raised lid starts here
constexpr qreal lidThickness = 2.4;
constexpr qreal deskHeight = 25.0;
constexpr qreal deskLean = 0.28;  // radians the music desk leans back
}  // namespace model

// The drawing's only colour: pale ivory pencil, at the given opacity (0-255).
QColor pencil(int alpha)
{
    return QColor(0xe8, 0xdc, 0xc2, alpha);
}

// Screen offsets per model unit along u, w and h.
namespace view {
constexpr qreal ux = 0.93;
constexpr qreal uy = -0.12;  // the tail recedes a little upwards
constexpr qreal wx = -0.42;  // the spine side recedes up and to the left
constexpr qreal wy = -0.34;
}  // namespace view

struct Point3 {
    qreal u;
    qreal w;
    qreal h;
};

QPointF project(const Point3& p)
{
    return {p.u * view::ux + p.w * view::wx, p.u * view::uy + p.w * view::wy - p.h};
}

// A point of a cubic Bezier in the plan.
QPointF bezier(QPointF a, QPointF b, QPointF c, QPointF d, qreal t)
{
    const qreal s = 1.0 - t;
    return s * s * s * a + 3.0 * s * s * t * b + 3.0 * s * t * t * c + t * t * t * d;
}

// The plan of the case, as (u, w) points going round from the treble front
// corner along the cheek, the bentside and the tail, then back up the spine.
std::vector<QPointF> casePlan()
{
    using namespace model;
    std::vector<QPointF> plan;
    const QPointF front(0.0, 0.0);
    const QPointF cheekEnd(0.3 * length, 0.0);
    const QPointF bendEnd(0.87 * length, 0.56 * width);
    const QPointF tailEnd(0.965 * length, width);
    plan.push_back(front);
    constexpr int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        // The bentside: in along a long S-curve from the end of the cheek.
        plan.push_back(bezier(cheekEnd, QPointF(0.52 * length, 0.0), QPointF(0.7 * length, 0.22 * width), bendEnd,
                              static_cast<qreal>(i) / steps));
    }
    for (int i = 1; i <= steps; ++i) {
        // The tail: a full round curve meeting the spine.
        plan.push_back(bezier(bendEnd, QPointF(0.97 * length, 0.68 * width), QPointF(1.02 * length, 0.9 * width),
                              tailEnd, static_cast<qreal>(i) / steps));
    }
    plan.push_back(QPointF(0.0, width));
    return plan;
}

// The plan drawn in by d units all round (the inner edge of the rim).
std::vector<QPointF> inset(const std::vector<QPointF>& plan, qreal d)
{
    const std::size_t n = plan.size();
    std::vector<QPointF> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF prev = plan[(i + n - 1) % n];
        const QPointF next = plan[(i + 1) % n];
        QPointF tangent = next - prev;
        const qreal len = std::hypot(tangent.x(), tangent.y());
        tangent /= len > 0.0 ? len : 1.0;
        // The plan runs clockwise on screen axes (u right, w down), so the
        // inside is to the right of the direction of travel.
        const QPointF inward(-tangent.y(), tangent.x());
        out[i] = plan[i] + d * inward;
    }
    return out;
}

// Near side of the bentside at u: the smallest w of the plan there.
qreal nearSide(const std::vector<QPointF>& plan, qreal u)
{
    for (std::size_t i = 1; i < plan.size(); ++i) {
        const QPointF a = plan[i - 1];
        const QPointF b = plan[i];
        if (a.x() <= u && u <= b.x() && b.x() > a.x()) {
            return a.y() + (b.y() - a.y()) * (u - a.x()) / (b.x() - a.x());
        }
    }
    return 0.0;
}

class Drawing {
public:
    Drawing(QPainter& painter, const QImage& surface, QPointF origin, qreal scale)
        : m_painter(painter), m_cover(surface), m_origin(origin), m_scale(scale)
    {
    }

    QPointF at(const Point3& p) const { return m_origin + m_scale * project(p); }
    qreal scale() const { return m_scale; }

    QPolygonF polygon(const std::vector<Point3>& points) const
    {
        QPolygonF poly;
        for (const Point3& p : points) {
            poly << at(p);
        }
        return poly;
    }

    // Paints over whatever lies behind a solid face.
    void cover(const QPolygonF& face)
    {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_cover);
        m_painter.drawPolygon(face);
    }

    void outline(const QPolygonF& poly, bool closed, qreal strength = 1.0)
    {
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(pen(strength));
        if (closed) {
            m_painter.drawPolygon(poly);
        } else {
            m_painter.drawPolyline(poly);
        }
    }

    void line(const Point3& a, const Point3& b, qreal strength = 1.0)
    {
        m_painter.setPen(pen(strength));
        m_painter.drawLine(at(a), at(b));
    }

    // A solid box face: covered, then outlined.
    void face(const std::vector<Point3>& corners, qreal strength = 1.0)
    {
        const QPolygonF poly = polygon(corners);
        cover(poly);
        outline(poly, true, strength);
    }

    QPainter& painter() { return m_painter; }

private:
    // strength 1 is a main contour; fainter lines are details.
    static QPen pen(qreal strength)
    {
        const int alpha = static_cast<int>(std::lround(std::clamp(0.78 * strength, 0.0, 1.0) * 255.0));
        return QPen(pencil(alpha), 0.55 + 0.55 * strength, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }

    QPainter& m_painter;
    QBrush m_cover;
    QPointF m_origin;
    qreal m_scale;
};

// An upright box from h = top down to h = bottom with a square section,
// tapering from topHalf to bottomHalf; only the faces towards the viewer
// (front and near side) are drawn.
void drawLeg(Drawing& d, qreal u, qreal w, qreal top, qreal bottom, qreal topHalf, qreal bottomHalf)
{
    const Point3 a{u - topHalf, w - topHalf, top};
    const Point3 b{u + topHalf, w - topHalf, top};
    const Point3 c{u - topHalf, w + topHalf, top};
    const Point3 a2{u - bottomHalf, w - bottomHalf, bottom};
    const Point3 b2{u + bottomHalf, w - bottomHalf, bottom};
    const Point3 c2{u - bottomHalf, w + bottomHalf, bottom};
    d.face({a, b, b2, a2});  // near side
    d.face({c, a, a2, c2});  // front
    // The caster under the foot.
    const QPointF foot = d.at(Point3{u, w, bottom - 2.2});
    const qreal r = 2.6 * d.scale();
    d.cover(QPolygonF(QRectF(foot.x() - r, foot.y() - 0.8 * r, 2.0 * r, 1.6 * r)));
    d.painter().setBrush(Qt::NoBrush);
    d.painter().setPen(QPen(pencil(170), 0.9));
    d.painter().drawEllipse(foot, r, 0.77 * r);
}

void drawLyre(Drawing& d)
{
    using namespace model;
    const qreal u = 0.2 * length;
    const qreal w = 0.5 * width;
    const qreal bottom = -legLength + 9.0;
    // Two slender rods with a lyre-shaped brace, down to the pedal box.
    for (const qreal side : {-5.0, 5.0}) {
        d.line(Point3{u, w + side, 0.0}, Point3{u, w + side, bottom + 5.0}, 0.8);
    }
    QPainterPath lyre;
    const QPointF top = d.at(Point3{u, w, -8.0});
    const QPointF base = d.at(Point3{u, w, bottom + 6.0});
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF edge = d.at(Point3{u, w + side * 5.0, 0.0}) - d.at(Point3{u, w, 0.0});
        lyre.moveTo(top);
        lyre.cubicTo(top + 2.2 * edge + QPointF(0.0, 6.0 * d.scale()),
                     base + 2.2 * edge - QPointF(0.0, 14.0 * d.scale()), base);
    }
    d.painter().setBrush(Qt::NoBrush);
    d.painter().setPen(QPen(pencil(120), 0.8));
    d.painter().drawPath(lyre);
    // The pedal box and its three pedals.
    d.face({Point3{u - 4.0, w - 12.0, bottom + 5.0}, Point3{u - 4.0, w + 12.0, bottom + 5.0},
            Point3{u - 4.0, w + 12.0, bottom}, Point3{u - 4.0, w - 12.0, bottom}},
           0.9);
    for (const qreal side : {-7.0, 0.0, 7.0}) {
        d.line(Point3{u - 4.0, w + side, bottom + 1.5}, Point3{u - 11.0, w + side, bottom + 1.0}, 1.0);
    }
}

void drawCase(Drawing& d, const std::vector<QPointF>& plan)
{
    using namespace model;
    const std::size_t n = plan.size();

    // Side walls facing the viewer. The viewer looks along (0.45, 1, -0.39) in
    // (u, w, h); an outward wall normal (nu, nw) faces them when
    // 0.45 nu + nw < 0.
    const qreal lookU = -view::wx / view::ux;
    std::vector<bool> visible(n);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF a = plan[i];
        const QPointF b = plan[(i + 1) % n];
        const QPointF t = b - a;
        // Outward is to the left of travel on screen axes.
        const QPointF normal(t.y(), -t.x());
        visible[i] = lookU * normal.x() + normal.y() < 0.0;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!visible[i]) {
            continue;
        }
        const QPointF a = plan[i];
        const QPointF b = plan[(i + 1) % n];
        const QPolygonF wall =
            d.polygon({{a.x(), a.y(), caseDepth}, {b.x(), b.y(), caseDepth}, {b.x(), b.y(), 0.0}, {a.x(), a.y(), 0.0}});
        d.cover(wall);
        d.line({a.x(), a.y(), 0.0}, {b.x(), b.y(), 0.0});
    }
    // Upright edges where the walls turn away and at the front corners.
    for (std::size_t i = 0; i < n; ++i) {
        const bool before = visible[(i + n - 1) % n];
        const bool after = visible[i];
        if (before != after || i == 0) {
            d.line({plan[i].x(), plan[i].y(), 0.0}, {plan[i].x(), plan[i].y(), caseDepth});
        }
    }
    // A moulding along the walls a little above the underside.
    for (std::size_t i = 0; i < n; ++i) {
        if (visible[i]) {
            const QPointF a = plan[i];
            const QPointF b = plan[(i + 1) % n];
            d.line({a.x(), a.y(), 4.0}, {b.x(), b.y(), 4.0}, 0.35);
        }
    }

    // The top of the rim, and the inside of the case with the iron frame and
    // the strings running from the front towards the bentside and tail.
    std::vector<Point3> top;
    std::vector<Point3> inner;
    const std::vector<QPointF> innerPlan = inset(plan, rim);
    for (std::size_t i = 0; i < n; ++i) {
        top.push_back({plan[i].x(), plan[i].y(), caseDepth});
        inner.push_back({innerPlan[i].x(), innerPlan[i].y(), caseDepth});
    }
    const QPolygonF topPoly = d.polygon(top);
    d.cover(topPoly);
    QPainter& p = d.painter();
    p.save();
    p.setClipRegion(QRegion(d.polygon(inner).toPolygon()));
    const std::vector<QPointF> framePlan = inset(plan, rim + 5.0);
    std::vector<Point3> frame;
    frame.reserve(framePlan.size());
    for (const QPointF& q : framePlan) {
        frame.push_back({std::max(q.x(), 0.16 * length), q.y(), caseDepth - 6.0});
    }
    d.outline(d.polygon(frame), true, 0.35);
    for (int s = 0; s < 15; ++s) {
        // Treble strings near the viewer are short; bass strings by the spine
        // run nearly to the tail, fanning out slightly.
        const qreal w0 = rim + 6.0 + s * (width - 2.0 * rim - 12.0) / 14.0;
        d.line({0.18 * length, w0, caseDepth - 7.0}, {length, w0 + 0.12 * s, caseDepth - 7.0}, 0.28);
    }
    d.line({0.16 * length, rim, caseDepth - 6.0}, {0.16 * length, width - rim, caseDepth - 6.0}, 0.35);
    p.restore();
    d.outline(topPoly, true);
    d.outline(d.polygon(inner), true, 0.55);
}

void drawKeyboard(Drawing& d)
{
    using namespace model;
    const qreal front = -keyReach;
    // The keys between the cheek blocks: their top, the front edge and slip.
    d.face({{front, cheek, keyTop}, {0.0, cheek, keyTop}, {0.0, width - cheek, keyTop}, {front, width - cheek, keyTop}},
           0.8);
    d.face({{front, cheek, keyTop},
            {front, width - cheek, keyTop},
            {front, width - cheek, keyBed},
            {front, cheek, keyBed}},
           0.8);
    // Black keys, in twos and threes, over the back half of the keys; the
    // keyboard starts with A0 at the bass end (the spine side).
    constexpr int whiteKeys = 52;
    const qreal keyWidth = (width - 2.0 * cheek) / whiteKeys;
    QPainter& p = d.painter();
    p.setPen(QPen(pencil(150), 0.9));
    for (int k = 0; k < whiteKeys - 1; ++k) {
        // White key k counts up from A0: A B C D E F G ...; a black key
        // follows A, C, D, F and G.
        const int letter = k % 7;  // 0 = A
        if (letter == 1 || letter == 4) {
            continue;
        }
        const qreal w = width - cheek - (k + 1) * keyWidth;
        p.drawLine(d.at({front * 0.45, w, keyTop + 0.6}), d.at({0.0, w, keyTop + 0.6}));
    }
    // The cheek blocks at both ends of the keyboard.
    for (const qreal w0 : {width - cheek, 0.0}) {
        d.face({{front, w0, caseDepth - 4.0},
                {0.0, w0, caseDepth - 4.0},
                {0.0, w0 + cheek, caseDepth - 4.0},
                {front, w0 + cheek, caseDepth - 4.0}});
        d.face({{front, w0, caseDepth - 4.0},
                {front, w0 + cheek, caseDepth - 4.0},
                {front, w0 + cheek, 0.0},
                {front, w0, 0.0}});
        d.face({{front, w0, caseDepth - 4.0}, {front, w0, 0.0}, {0.0, w0, 0.0}, {0.0, w0, caseDepth - 4.0}});
    }
}

void drawMusicDesk(Drawing& d)
{
    using namespace model;
    const qreal u0 = 0.07 * length;
    const qreal du = deskHeight * std::sin(deskLean);
    const qreal dh = deskHeight * std::cos(deskLean);
    const qreal w0 = 0.2 * width;
    const qreal w1 = 0.8 * width;
    d.face({{u0, w0, caseDepth}, {u0 + du, w0, caseDepth + dh}, {u0 + du, w1, caseDepth + dh}, {u0, w1, caseDepth}},
           0.9);
    // Its fretwork panel and the ledge that holds the music.
    d.outline(d.polygon({{u0 + 0.15 * du, w0 + 4.0, caseDepth + 0.15 * dh},
                         {u0 + 0.85 * du, w0 + 4.0, caseDepth + 0.85 * dh},
                         {u0 + 0.85 * du, w1 - 4.0, caseDepth + 0.85 * dh},
                         {u0 + 0.15 * du, w1 - 4.0, caseDepth + 0.15 * dh}}),
              true, 0.4);
    d.line({u0 - 2.5, w0 - 2.0, caseDepth + 1.0}, {u0 - 2.5, w1 + 2.0, caseDepth + 1.0}, 0.8);
}

void drawLid(Drawing& d, const std::vector<QPointF>& plan)
{
    using namespace model;
    // The lid turns on its hinges along the spine: a point d units from the
    // spine rises to d sin(angle) above the rim and moves d (1 - cos) nearer it.
    auto raised = [](QPointF q, qreal lift) {
        const qreal fromSpine = width - q.y();
        return Point3{q.x(), width - fromSpine * std::cos(lidOpen) + lift * std::sin(lidOpen),
                      caseDepth + fromSpine * std::sin(lidOpen) + lift * std::cos(lidOpen)};
    };
    std::vector<QPointF> lidPlan;
    lidPlan.push_back(QPointF(lidFront, 0.0));
    for (const QPointF& q : plan) {
        if (q.x() > lidFront && !(q.x() < length * 0.5 && q.y() >= width)) {
            lidPlan.push_back(q);
        }
    }
    lidPlan.push_back(QPointF(lidFront, width));
    std::vector<Point3> upper;
    std::vector<Point3> under;
    for (const QPointF& q : lidPlan) {
        upper.push_back(raised(q, lidThickness));
        under.push_back(raised(q, 0.0));
    }
    d.face(upper, 0.7);
    d.face(under);
    // A border inlaid round the underside.
    std::vector<Point3> border;
    for (const QPointF& q : inset(lidPlan, 5.0)) {
        border.push_back(raised(q, 0.0));
    }
    d.outline(d.polygon(border), true, 0.3);

    // The prop stick, from the rim of the bentside up to the lid.
    const qreal u = 0.56 * length;
    const qreal foot = nearSide(plan, u) + 1.6;
    const Point3 bottom{u, foot, caseDepth};
    const Point3 top = raised(QPointF(u, foot + 9.0), 0.0);
    for (const qreal side : {-1.1, 1.1}) {
        d.line({bottom.u + side, bottom.w, bottom.h}, {top.u + side, top.w, top.h}, 0.9);
    }
}

}  // namespace

void drawGrandPiano(QPainter& painter, const QImage& surface, QRectF region)
{
    using namespace model;
    const std::vector<QPointF> plan = casePlan();

    // Fit the whole instrument, from the lid to the casters, in the region.
    QRectF bounds(project({0.0, 0.0, 0.0}), QSizeF(0.01, 0.01));
    auto grow = [&bounds](const Point3& p) { bounds = bounds.united(QRectF(project(p), QSizeF(0.01, 0.01))); };
    for (const QPointF& q : plan) {
        grow({q.x(), q.y(), -legLength - 5.0});
        const qreal fromSpine = width - q.y();
        grow({q.x(), width - fromSpine * std::cos(lidOpen), caseDepth + fromSpine * std::sin(lidOpen) + lidThickness});
    }
    grow({-keyReach, 0.0, 0.0});
    grow({-keyReach, width, caseDepth});
    const qreal scale = std::min(region.width() / bounds.width(), region.height() / bounds.height());
    const QPointF origin = region.center() - scale * bounds.center();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Drawing d(painter, surface, origin, scale);

    // From the back to the front: far legs, pedals, near leg, the case and the
    // keys, then what stands on the case.
    drawLeg(d, 0.88 * length, 0.74 * width, 0.0, -legLength, 4.2, 2.6);
    drawLeg(d, 0.03 * length, width - 7.0, 0.0, -legLength, 4.2, 2.6);
    drawLyre(d);
    drawLeg(d, 0.03 * length, 7.0, 0.0, -legLength, 4.2, 2.6);
    drawCase(d, plan);
    drawKeyboard(d);
    drawMusicDesk(d);
    drawLid(d, plan);

    painter.restore();
}

}  // namespace art
