#pragma once

#include "core/mapping/conflict_maps.h"

#include <QWidget>

#include <array>

namespace brenmoor::gui {

// The bit popup of Conflict Detection: one row of eight cells, bit 0 on the
// left, each in the colour of that bit of the byte pressed in a map. It has
// no frame and never takes the focus, so the map keeps receiving the mouse
// and its release hides the popup again.
class CDBitShow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 165;
    static constexpr int kHeight = 23;

    explicit CDBitShow(QWidget* parent = nullptr);

    // Shows byte `byte` of `area` with its top left corner at `globalPos`.
    void showByte(const ConflictMaps& maps, MapArea area, int byte, QPoint globalPos);

    MapArea area() const { return area_; }
    int byte() const { return byte_; }
    MapColour bitColour(int bit) const { return bits_.at(static_cast<std::size_t>(bit)); }
    // Left edge and width of the cell of a bit, in pixels.
    QRect cellRect(int bit) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<MapColour, 8> bits_{};
    MapArea area_ = MapArea::Input;
    int byte_ = 0;
};

} // namespace brenmoor::gui
