// A box drawn over the current screen that holds the player's attention until it is
// answered: a caption (wrapped when it must be), optional pictures and header, and a
// row of buttons. It can slide in from an edge and out again, fade as it does, and dim
// the screen behind it. The message, yes/no and text-input dialogs and the player
// manager are built on it.
//
// Whoever opens a dialog calls Manage once per logic update and Draw once per frame
// (or hands it to a dialog stack that does so). Manage answers 0 while the dialog is
// open, 1 for OK or Yes and -1 for Cancel or No.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "gfx/BitmapFont.h"
#include "gfx/Color.h"
#include "gfx/ImageFont.h"
#include "gfx/Shadow.h"
#include "platform/Audio.h"
#include "ui/FocusRing.h"
#include "ui/Label.h"
#include "ui/Menu.h"

class TAnimation;
class TGameImage;
class TGameSound;
class TSprite;
class TDialog;
using TDialogPtr = std::shared_ptr<TDialog>;

class TDialog {
 public:
  std::string Tag;               // free text for the owner
  TLabelPtr Caption;
  std::shared_ptr<TGameImage> Background;  // when set, the dialog is this picture and takes its size
  int Active = 0;                // from Start until the dialog has closed
  int Disabled = 0;              // buttons only glow
  std::shared_ptr<TShadow> Shadow;
  int DrawHighlight = 1;         // light edge on the top and left
  int w = 0, h = 0, x = 0, y = 0;
  int Border = 20;
  std::shared_ptr<TColor> DialogColor;
  TMenuPtr Menu;
  int MenuShow = 1;
  int Centre = 1;
  int FixedWidth = 0;            // keep w instead of sizing to the caption
  int WordWrapWidth = 0;         // wrap the caption here (0 = at the box's inner width)
  int ReenableEscapeKey = 1;     // give Escape back to the screen when closed
  int OldIgnoreEscapeKey = 0;
  int CallPreCalcWordWrap = 1;
  int CaptionOX = 0, CaptionOY = 0;          // fixed caption place in the box (both 0 = automatic)
  int CaptionOffsetX = 0, CaptionOffsetY = 0;
  int CaptionCentreVert = 0;
  int MenuOX = 0, MenuOY = 0;                // fixed button-row place in the box (both 0 = automatic)
  std::shared_ptr<TSprite> Header;
  std::string Ext = ".png";
  TLabelPtr TextHeader;
  std::shared_ptr<TGameImage> Picture, Picture2;
  int PictureX = 0, PictureY = 0, Picture2X = 0, Picture2Y = 0;
  float PictureScale = 1, Picture2Scale = 1;
  float PictureAngle = 0, Picture2Angle = 0;
  std::shared_ptr<TShadow> PictureShadow, Picture2Shadow;
  std::shared_ptr<TAnimation> TransitionIn, TransitionOut;
  int Transitioning = 0;         // 0 none, 1 coming in, 2 going out
  float DimBackground = 0;       // alpha of the black layer over the screen behind
  int FadeDialog = 0;            // the dialog's alpha follows the transitions
  int CloseResultTemp = 0;
  int CloseResult = 0;
  TChannelPtr FadeChannel;       // the activate sound, faded out with the closing slide
  int Slide = 0;                 // 0 none, 1 from above, 2 right, 3 below, 4 left, 5 any
  int SlideSine = 0;
  int SlideExtra = 0;
  float OffsetX = 0, OffsetY = 0;
  float Alpha = 1;
  std::function<int(TDialog&)> TransitionCompleteUserFunction;
  std::function<int(TDialog&)> CloseUserFunction;
  std::shared_ptr<TGameSound> ActivateSound, SlideInSound, SlideOutSound;

  virtual ~TDialog() = default;

  // caption: the main text; background: a picture the dialog becomes (none = a plain
  // box); w (non-zero keeps that width), h, and the top-left (unless centred).
  void Init(const std::string& caption, std::shared_ptr<TGameImage> background, int w, int h, int x, int y);
  // Sizes and places everything, takes Escape from the screen underneath and opens.
  virtual void Start();
  void SetupCaption(TImageFontPtr font, std::shared_ptr<TColor> colour = nullptr,
                    std::shared_ptr<TShadow> shadow = nullptr, TBitmapFontPtr bitmapFont = nullptr);
  void SetupTextHeader(const std::string& text, TImageFontPtr font, std::shared_ptr<TColor> colour,
                       std::shared_ptr<TShadow> shadow, TBitmapFontPtr bitmapFont, float x, float y);
  void SetSlide(int direction, int sine);
  void SetTransitions(int inMs, int outMs, float dim, int fade, int direction, int sine, int playSound);
  void CalcAll();
  virtual void CalcSize();
  void CalcXY();
  void CalcOffset();
  float CaptionGetCentredX() const;
  void HeaderLoad(const std::string& name, float hx, float hy);
  virtual void SetLabelsXY();
  virtual void MenuPosition();
  int MenuGetCentredX() const;
  virtual int Manage();
  // Transitions and the button row: 0 when not active, else 1.
  int ManageCore();
  // 1 in the update in which the closing slide ended.
  int ManageTransitions();
  virtual int Draw();
  void SetAlphas(float alpha);
  void SetWordWrap(int width);
  void DoDrawHighlight(float alpha);
  // Closes with result: at once without a closing slide (returning result), else the
  // slide starts and 0 is returned; Manage delivers the result when it ends.
  int Close(int result);
  void Finalise();
  virtual void Kill();

  // Height of the button row (0 without one).
  int MenuHeight() const;
  // Adds a button named name to the row: its own pictures (file, file + "MO"), or, when
  // buttonName is given, that picture pair with the name written on it.
  TButtonPtr AddRowButton(const std::string& file, const std::string& name, const std::string& buttonName);
  // A button of the row pressed by a key: it shows the press and plays its click.
  void PressButton(const std::string& name);
  // What the keyboard and a pad walk in this dialog, in screen order: the button row.
  virtual void ListFocus(TFocusRing& ring);

 protected:
  // The box's height when it has no picture: each kind adds its own parts.
  virtual int ContentHeight();
  void SnapLabels();
  std::shared_ptr<TColor> dimColour_ = TColor::Create(0, 0, 0);
};

// Forgets every key press, typed character and button press not read yet.
void ClearPendingInput();
// Covers the whole screen with black at alpha.
void DimScreen(float alpha);
