#include "contact_sheet.h"

#include "ball_colours.h"
#include "text_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace lumbra::art {

namespace {

struct Item {
    QString name;
    QString group;  // the name without its frame or digit number
    QImage image;
};

std::vector<Item> load_items(const QString& folder, int scale)
{
    static const QRegularExpression number_at_end(QStringLiteral("\\d+$"));
    std::vector<Item> items;
    const QDir dir(folder);
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        const QString base = file.completeBaseName();
        const bool twice = base.endsWith(QStringLiteral("@2x"));
        if (twice != (scale == 2))
            continue;
        const QString name = twice ? base.chopped(3) : base;
        QString group = name;
        group.remove(number_at_end);
        QImage image(file.filePath());
        image.setDevicePixelRatio(1.0);  // shown pixel for pixel, whatever the name says
        items.push_back({name, group, image});
    }
    return items;
}

}  // namespace

QImage contact_sheet(const QString& folder, int scale, Vision vision)
{
    const std::vector<Item> items = load_items(folder, scale);
    if (items.empty())
        return {};
    const int gap = 8 * scale;
    const int label_height = 14 * scale;
    const int sheet_width = 720 * scale;
    const int header = 28 * scale;

    struct Placed {
        const Item* item;
        QPoint at;
    };
    std::vector<Placed> placed;
    int x = gap, y = header, row_height = 0;
    QString last_group;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        const bool group_of_many = i + 1 < items.size() && items[i + 1].group == item.group;
        const int cell_width = std::max(item.image.width(), 56 * scale);
        const bool new_group = item.group != last_group && group_of_many && x > gap;
        if (new_group || x + cell_width > sheet_width - gap) {
            x = gap;
            y += row_height + gap;
            row_height = 0;
        }
        placed.push_back({&item, QPoint(x, y)});
        x += cell_width + gap;
        row_height = std::max(row_height, item.image.height() + label_height);
        last_group = item.group;
    }

    QImage sheet(sheet_width, y + row_height + gap, QImage::Format_ARGB32);
    sheet.fill(window_silver);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x20, 0x24));
    const QString title = QStringLiteral("%1  (%2x, %3)").arg(QFileInfo(folder).fileName()).arg(scale).arg(vision_name(vision));
    painter.drawPath(text_path(title, 14 * scale).translated(gap, 19 * scale));
    for (const Placed& p : placed) {
        painter.drawImage(p.at, p.item->image);
        const QPainterPath label = text_path(p.item->name, 8 * scale);
        painter.drawPath(label.translated(p.at.x(), p.at.y() + p.item->image.height() + 11 * scale));
    }
    painter.end();
    return simulate(sheet, vision);
}

}  // namespace lumbra::art
