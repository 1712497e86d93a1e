#pragma once
// The patch window's two modal questions: TSearchWin, which words to look for in which tone
// maps, and TDrumMapQuery, which drum map a drum kit put on a normal part goes to.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "document/tone_catalog.h"
#include "module/language.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace veka {

struct TSearchRequest {
    std::vector<std::string> Keywords;
    TMapChoice Maps{};
};

class TSearchWin : public QDialog {
    Q_OBJECT
public:
    // maps: the patch window's map buttons; moduleType decides which map boxes show.
    TSearchWin(const TMapChoice& maps, int moduleType, TLanguage language, QWidget* parent = nullptr);
    TSearchRequest Request() const;
    QLineEdit* Keyword() const { return Edit1_; }
    QCheckBox* MapBox(int toneMap) const { return Maps_[size_t(std::clamp(toneMap, 1, kToneMapCount))]; }
    QString Description() const;

private:
    void Describe();

    TLanguage Language_;
    QLineEdit* Edit1_ = nullptr;
    std::array<QCheckBox*, kToneMapCount + 1> Maps_{};
    QLabel* Sentence_ = nullptr;
};

class TDrumMapQuery : public QDialog {
    Q_OBJECT
public:
    TDrumMapQuery(const std::string& kitName, TLanguage language, QWidget* parent = nullptr);
    int DrumMap() const;  // 1 or 2
    QString Text() const;

private:
    QLabel* Label_ = nullptr;
    QRadioButton* Map1_ = nullptr;
    QRadioButton* Map2_ = nullptr;
};

}  // namespace veka
