#pragma once
// The about box: the program's name and version, the maker's mail address, the maker's web address (a link
// that opens in the desktop's browser, hidden as the layout stores it) and the program's picture.
#include "platform/framework/forms/Form.h"

namespace framework {
class TButton;
class TImage;
class TLabel;
class TPanel;
}  // namespace framework

class TfrmAbout : public framework::TForm {
  public:
    explicit TfrmAbout(framework::TComponent* owner);

    framework::TPanel* Panel1 = nullptr;
    framework::TLabel* Label1 = nullptr;
    framework::TLabel* Label2 = nullptr;
    framework::TLabel* Label3 = nullptr;
    framework::TLabel* lbEmail = nullptr;
    framework::TLabel* lbEAddress = nullptr;
    framework::TImage* Image1 = nullptr;
    framework::TButton* Button1 = nullptr;

  private:
    void BuildLayout();
    void Button1Click(framework::TObject* Sender);
    void lbEAddressClick(framework::TObject* Sender);
};
