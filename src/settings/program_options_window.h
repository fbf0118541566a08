#pragma once
// TForm6, the Program Options window: the IPC current method, the etch
// factor, manual copper thicknesses, the via aspect-ratio limits and via
// height, and the colour theme. Its controls are the live settings the
// calculators read; every change is stored at once.
#include <memory>
#include <string>

#include "app/frame.h"
#include "app/window_part.h"

namespace cq {

class EtchFactorDisplay;
class ManualCopperBoxes;

class ProgramOptionsWindow : public WindowPart {
 public:
  explicit ProgramOptionsWindow(Frame main);
  ~ProgramOptionsWindow() override;

  void registerHandlers(HandlerRegistry& handlers) override;
  void attach(Form& form) override;

  void FormCreate(Control* sender);
  void FormShow(Control* sender);
  void FormCloseQuery(Form* sender, bool& canClose);
  void Button1Click(Control* sender);
  void BitBtn1Click(Control* sender);
  void RadioGroup1Click(Control* sender);
  void RadioGroup2Click(Control* sender);
  void CheckBox1Click(Control* sender);
  void CheckBox2Click(Control* sender);
  void Edit1Change(Control* sender);
  void Edit2Change(Control* sender);
  void cbxVclStylesChange(Control* sender);
  // Enter is swallowed: the text change has solved already.
  void SwallowEnter(Control* sender, char& key);

 private:
  void write(const std::string& name, std::string& kept, const std::string& text);
  void storeAspectRatio(const Edit& edit, const std::string& name, std::string& kept, Control* sender);

  Frame main_;
  Form* form_ = nullptr;
  RadioGroup* ipcVersion_ = nullptr;
  RadioGroup* etchFactor_ = nullptr;
  CheckBox* manualCopper_ = nullptr;
  CheckBox* viaHeight_ = nullptr;
  Edit* throughHoleLimit_ = nullptr;
  Edit* microviaLimit_ = nullptr;
  ComboBox* themes_ = nullptr;
  std::unique_ptr<EtchFactorDisplay> etch_;
  std::unique_ptr<ManualCopperBoxes> copper_;

  // The texts last stored, one per value.
  std::string ipcVersionText_, deratingText_, manualCopperText_, viaHeightText_;
  std::string throughHoleText_, microviaText_, themeText_;
};

}  // namespace cq
