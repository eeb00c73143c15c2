#pragma once
// The compression window: the user collects WAV files, chooses where the outputs go, the speech model and its rate,
// and starts the run in the compression progress window. Every choice is stored into Options the moment it is made.
#include <string>

#include "platform/framework/forms/Form.h"

namespace framework {
class TAction;
class TActionList;
class TBitBtn;
class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TImage;
class TListView;
class TOpenDialog;
class TRadioButton;
}  // namespace framework

class TfrmKelmCompress : public framework::TForm {
  public:
    explicit TfrmKelmCompress(framework::TComponent* Owner);
    ~TfrmKelmCompress() override;

    framework::TGroupBox* GroupBox1 = nullptr;
    framework::TBitBtn* bAdd = nullptr;
    framework::TBitBtn* bDelete = nullptr;
    framework::TBitBtn* bClear = nullptr;
    framework::TListView* lvSource = nullptr;
    framework::TImage* Image2 = nullptr;
    framework::TGroupBox* GroupBox2 = nullptr;
    framework::TRadioButton* RadioButton1 = nullptr;
    framework::TRadioButton* RadioButton2 = nullptr;
    framework::TEdit* eDest = nullptr;
    framework::TButton* bBrowse = nullptr;
    framework::TGroupBox* GroupBox3 = nullptr;
    framework::TImage* Image1 = nullptr;
    framework::TComboBox* cbName = nullptr;
    framework::TComboBox* cbRate = nullptr;
    framework::TButton* bCompress = nullptr;
    framework::TButton* bClose = nullptr;
    framework::TOpenDialog* OpenDialog1 = nullptr;
    framework::TActionList* ActionList1 = nullptr;
    framework::TAction* aDelete = nullptr;
    framework::TAction* aClear = nullptr;

  private:
    void BuildLayout();
    void AddSourceGroup();
    void AddDestinationGroup();
    void AddMethodGroup();

    void FormShow(framework::TObject* Sender);
    void RadioButton1Click(framework::TObject* Sender);
    void RadioButton2Click(framework::TObject* Sender);
    void eDestChange(framework::TObject* Sender);
    void bBrowseClick(framework::TObject* Sender);
    void bAddClick(framework::TObject* Sender);
    void aDeleteExecute(framework::TObject* Sender);
    void aDeleteUpdate(framework::TObject* Sender);
    void aClearExecute(framework::TObject* Sender);
    void aClearUpdate(framework::TObject* Sender);
    void cbNameChange(framework::TObject* Sender);
    void cbRateChange(framework::TObject* Sender);
    void bCompressClick(framework::TObject* Sender);
    void bCloseClick(framework::TObject* Sender);
    // Tells that the combo's text names none of its items: named with %s for the typed text, unnamed when empty.
    void NotAnItemBox(const std::string& typed, const std::string& named, const char* unnamed);

    // A folder typed beside the selected "以下目录" that options.ini cannot keep: says so and focuses the edit.
    bool DestinationRefused();

    // Puts the model's rate texts into cbRate; false for an index that names no model.
    bool FillRates(int modelIndex);
};
