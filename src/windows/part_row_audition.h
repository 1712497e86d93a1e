#pragma once
// The audition on the part rows' headers of a grid (the part and patch windows): pressing a
// row header with the left button sounds that part's test note until release; moving over
// other rows moves the note to their parts; with Ctrl, moving up or down shifts the note.
// Any other press only makes the row's part the current one.
#include <QObject>
#include <QString>

#include <array>

class QMouseEvent;

namespace veka {

class TEdgeFontPanel;
class TVekaGrid;
class TVekaTempForm;

class TPartRowAudition {
public:
    // Takes over the grid's mouse events; rows 1..16 are parts, columns below fixedCols the headers.
    TPartRowAudition(TVekaTempForm& form, TVekaGrid& grid, TEdgeFontPanel& title, int fixedCols);
    ~TPartRowAudition();
    TPartRowAudition(const TPartRowAudition&) = delete;
    TPartRowAudition& operator=(const TPartRowAudition&) = delete;

    bool Active() const { return Active_; }

private:
    void Down(QMouseEvent* event);
    void Move(QMouseEvent* event);
    void Up(QMouseEvent* event);
    int PartRowAt(int y) const;
    void Start(int part);

    TVekaTempForm& Form_;
    TVekaGrid& Grid_;
    TEdgeFontPanel& Title_;
    int FixedCols_;
    bool Active_ = false;
    int Part_ = 0;
    int LastNoteY_ = 0;
    QString SavedTitle_;
    std::array<QMetaObject::Connection, 3> Connections_;
};

}  // namespace veka
