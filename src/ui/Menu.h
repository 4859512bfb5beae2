// A group of buttons made, placed, updated and drawn together, which tells its owner
// by name which button is under the pointer and which was clicked. Every screen and
// dialog keeps its buttons in one. Buttons are named in upper case and found whatever
// the case of the name asked for.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/Button.h"

class TGameSound;
class TMenu;
using TMenuPtr = std::shared_ptr<TMenu>;

class TMenu {
 public:
  float x = 0, y = 0;           // left and top edge after CalcLeft / CalcTop
  float OX = 0, OY = 0;         // x and y kept by StoreOriginalCoords
  int w = 0, h = 0;
  std::string MouseOverName;    // the last button under the pointer in the last Manage
  std::string ClickedName;      // the last button clicked in the last Manage
  std::shared_ptr<TGameSound> SoundMouseOver, SoundClick;  // shared by every button
  int NextY = 0;                // where AddNew puts the next button
  int Gap = 0;                  // between stacked buttons
  int AddGap = 0;
  int NoSound = 0;
  int Shadow = 0;               // handed to each new button
  float ShadowX = 3, ShadowY = 3;
  float ShadowAlpha = 0.5f;
  int ClearClickedName = 1;     // Clicked answers a click once
  int ClearMouseOverName = 0;
  int AcceptInput = 1;          // 0: Manage only runs the fixed glows

  // Sound names are files of the sound folder without ".wav"; empty = no sound.
  static TMenuPtr Create(const std::string& moSound, const std::string& clickSound, float x = 0, float y = 0,
                         int gap = 0);
  // Empties the list (without killing the buttons that were in it).
  void Init(const std::string& moSound, const std::string& clickSound, float x, float y, int gap);
  void Kill();

  void SetButtonCaptionRoundCoords(int round, int roundX, int roundY);
  void SetShadow(int on, float sx, float sy, float alpha);
  void ChangeShadow(int on, float sx, float sy, float alpha);
  void SetAlpha(float alpha);
  void SetColor(std::shared_ptr<TColor> color);
  void ResetShadow(int on, float sx, float sy, float alpha);

  // Pictures file and moFile from the menu folder; the button is centred across the screen
  // at NextY and named name (or after its picture when name is empty).
  TButtonPtr AddNew(const std::string& file, const std::string& moFile, const std::string& name = "",
                    int cellWidth = 0, int cellHeight = 0, int frames = 1);
  // The same, without moving NextY on.
  TButtonPtr DoAddNew(const std::string& file, const std::string& moFile, const std::string& name = "",
                      int cellWidth = 0, int cellHeight = 0, int frames = 1);
  void RemoveButton(const std::string& name);
  void IncreaseHeight(const TButton& button);
  // file with its hover picture file + "MO".
  TButtonPtr AddQuick(const std::string& file, const std::string& name = "");
  // The same, also taking file + "_disabled" and file + "_down" when they exist.
  TButtonPtr AddQuickAuto(const std::string& file, const std::string& name = "");
  // Two buttons side by side on one line, gap apart, named name + their own names.
  void AddPair(const std::string& leftFile, const std::string& rightFile, int gap, const std::string& name = "");
  TButtonPtr FindButton(const std::string& name) const;

  void StoreOriginalCoords();
  void SetX(float newX);
  void SetY(float newY);
  void SetPairX(const std::string& leftName, const std::string& rightName, int newX);
  // Scales every button about the menu's corner from the coordinates StoreOriginalCoords kept.
  void ScaleMenu(float sx, float sy);
  void CalcCoords();
  void CalcLeft();
  void CalcTop();
  int CalcWidth();
  int CalcHeight();
  void CentreHoriz();
  void CentreVert();
  void Centre();
  void MakeColumn(int gap);
  void MakeRow(int gap);
  void MoveTo(float nx, float ny);

  void ClearStates();
  void ClearScale();
  void ClearGlow();
  void ClearMouseClick();
  void ClearMouseOver();

  // 1 once for the step's click of that button (with ClearClickedName).
  int Clicked(const std::string& name);
  int MouseOver(const std::string& name);

  int ManageNoSound(float offx = 0, float offy = 0);
  void Precache();
  // Puts the pictures of every button on one texture page, so that a row of buttons
  // drawn one after the other costs one draw call. Call before the first draw.
  void ShareOnePage();
  // One logic update of every button; 0 when input is not taken (fade, AcceptInput 0,
  // pointer off), else 1.
  int Manage(float offx = 0, float offy = 0);
  void ManageFixedGlowOnly();
  void ManageScaleOnMO();
  void Draw(float offx = 0, float offy = 0);

  // The buttons in the order they were added: the order of updating, drawing, finding
  // and laying out.
  std::vector<TButtonPtr> Buttons;
  int Count() const { return int(Buttons.size()); }
};

// The standard "OK" button of a screen: pictures "OK" and "OKMO", answering Enter and
// Space, glowing on hover, centred 15 pixels above the bottom of the screen.
TButtonPtr AddOKButton(TMenu& menu);
