#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "model/design_data.h"
#include "prestress/load_generation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarnex::ui {

/// "Generate Loads": the span, the live load (listed by criteria), the distribution factor
/// and impact fraction with the values of their rules, the superimposed dead loads and where
/// the loads go. OK hands the options to `generate`; the dialog closes when it returns true.
class LoadGenerationDialog : public QDialog {
    Q_OBJECT

  public:
    using Generate = std::function<bool(const LoadGenerationOptions&)>;
    LoadGenerationDialog(const DesignData& data, Generate generate, QWidget* parent = nullptr);

    /// The options as the fields now give them.
    LoadGenerationOptions Options() const;

  private:
    void ShowLiveLoad();
    void ShowRules(bool replaceValues);
    LiveLoad SelectedLiveLoad() const;
    void Accept();
    /// Marks each box whose text is not a number (an empty live load value included); the
    /// first one gets the focus and its problem is shown. True when every box holds a number.
    bool MarkBoxes(bool focusFirst);

    const DesignData& data_;
    Generate generate_;
    QLineEdit* span_ = nullptr;
    QComboBox* live_ = nullptr;
    QLabel* liveValueLabel_ = nullptr;
    QLineEdit* liveValue_ = nullptr;
    int liveRow_ = 0;
    QLineEdit* distribution_ = nullptr;
    QLabel* distributionRule_ = nullptr;
    QLineEdit* impact_ = nullptr;
    QLabel* impactRule_ = nullptr;
    QLineEdit* nonComposite_ = nullptr;
    QLineEdit* composite_ = nullptr;
    QLabel* problem_ = nullptr;
    QRadioButton* newLocations_ = nullptr;
    QRadioButton* presentLocations_ = nullptr;
    /// The texts the rules last put into the distribution and impact boxes: a box that still
    /// holds its rule's text follows the rule.
    std::string distributionRuleText_;
    std::string impactRuleText_;
};

}  // namespace tarnex::ui
