#pragma once
// The legend's limits and number of bands: "Automatic" follows the field's
// minimum and maximum, otherwise the user types the two limits.

#include <QDialog>

#include "band_scale.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace ambrel {

class LegendDialog : public QDialog {
  Q_OBJECT

 public:
  // `current` fills the fields; the field's range stands in the limit fields
  // while they follow it.
  LegendDialog(const LegendSettings& current, const FieldExtremes& range, QWidget* parent);

  // The settings as accepted, valid.
  const LegendSettings& settings() const { return settings_; }

  void accept() override;

 private:
  void FollowAutomatic(bool automatic);

  FieldExtremes range_;
  LegendSettings settings_;
  QCheckBox* automatic_;
  QLineEdit* lower_;
  QLineEdit* upper_;
  QSpinBox* bands_;
};

}  // namespace ambrel
