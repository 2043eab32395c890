#include "legend_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include "decimal_text.h"
#include "program_name.h"

namespace ambrel {
namespace {

QString RealText(double value) { return QString::fromStdString(FormatReal(value)); }

}  // namespace

LegendDialog::LegendDialog(const LegendSettings& current, const FieldExtremes& range,
                           QWidget* parent)
    : QDialog(parent),
      range_(range),
      settings_(current),
      automatic_(new QCheckBox("&Automatic: from the minimum to the maximum", this)),
      lower_(new QLineEdit(this)),
      upper_(new QLineEdit(this)),
      bands_(new QSpinBox(this)) {
  setWindowTitle("Legend");
  lower_->setObjectName("lower");
  upper_->setObjectName("upper");
  bands_->setObjectName("bands");
  bands_->setRange(kMinBandCount, kMaxBandCount);
  bands_->setValue(current.bandCount);

  auto* form = new QFormLayout;
  form->addRow(automatic_);
  form->addRow("&Lower limit:", lower_);
  form->addRow("&Upper limit:", upper_);
  form->addRow("&Bands:", bands_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &LegendDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &LegendDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  connect(automatic_, &QCheckBox::toggled, this, &LegendDialog::FollowAutomatic);
  automatic_->setChecked(current.automatic);
  FollowAutomatic(current.automatic);
  if (!current.automatic) {
    lower_->setText(RealText(current.lower));
    upper_->setText(RealText(current.upper));
  }
}

void LegendDialog::FollowAutomatic(bool automatic) {
  lower_->setEnabled(!automatic);
  upper_->setEnabled(!automatic);
  if (automatic) {
    lower_->setText(RealText(range_.min));
    upper_->setText(RealText(range_.max));
  }
}

void LegendDialog::accept() {
  LegendSettings chosen;
  chosen.automatic = automatic_->isChecked();
  chosen.bandCount = bands_->value();
  if (!chosen.automatic) {
    const std::optional<double> lower = ParseReal(lower_->text().toStdString());
    const std::optional<double> upper = ParseReal(upper_->text().toStdString());
    if (!lower || !upper) {
      QMessageBox::warning(this, kProgramName,
                           "The limits must be numbers, such as 12.5 or 1e+06.");
      return;
    }
    chosen.lower = *lower;
    chosen.upper = *upper;
  }
  if (const auto problem = LegendSettingsProblem(chosen)) {
    QMessageBox::warning(this, kProgramName, QString::fromStdString(*problem));
    return;
  }
  settings_ = chosen;
  QDialog::accept();
}

}  // namespace ambrel
