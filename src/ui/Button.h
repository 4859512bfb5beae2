// The clickable picture every menu, dialog and screen is built from: normal, hover,
// pressed and disabled pictures, hover and click sounds, a caption, a rectangular or
// round hit area, click, double click, repeat while held and dragging, Enter and Space
// for the default (OK) button, a glow and a grow effect on hover.
// A button is passive: its owner calls Manage once per logic update and Draw once per
// frame, then reads Clicked.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "gfx/Sprite.h"
#include "platform/Audio.h"
#include "ui/Label.h"

class TGameImage;
class TGameSound;
class TMouseRepeat;
class TButton;
using TButtonPtr = std::shared_ptr<TButton>;

class TButton : public TSprite {
 public:
  std::shared_ptr<TGameImage> ImageDisabled, ImageMouseClick, ImageMouseOver, ImageScaled;
  std::shared_ptr<TGameSound> SoundMouseOver, SoundClick, SoundClick2;  // the second: repeated clicks
  TLabelPtr Caption;
  std::shared_ptr<TColor> CaptionDisabledColor;
  std::shared_ptr<TMouseRepeat> MouseRepeat;
  int Active = 1;               // 0: ignores the mouse and is hidden unless AlwaysDraw
  int AlwaysDraw = 0;
  int Animated = 0;             // for owners with animated buttons
  int ClickDisabled = 1;        // a disabled button still takes the mouse and clicks
  int ClickWhenDown = 0;        // a new click counts while the pressed picture shows
  int Disabled = 0;             // shows the disabled picture
  int Draggable = 0;
  int DragDeadZone = 0;         // pixels the mouse may move before a drag starts
  int SoundsWhenDisabled = 1;
  int OKButton = 0;             // Enter (and Space) click it
  int OKButtonUseSpace = 1;
  int StayDown = 0;             // the pressed picture stays until ClearClick
  int UseGlowOnMO = 1;
  int UseMenuPath = 0;          // pictures from the menu folder instead of the image folder
  // When set and non-zero, the mouse counts as not over the button.
  std::function<int()> MouseOverUserFunction;
  int Clicked = 0;              // 1 in the update in which the button was clicked
  int DoubleClicked = 0;        // set by a double click until read
  int Dragging = 0;
  int AutoGlowOnMO = 0;         // the pulsing glow shows only on hover
  std::shared_ptr<TColor> CaptionDownColor;
  float CaptionDownScale = 1;
  float CaptionDownOffsetX = 0, CaptionDownOffsetY = 0;
  TChannelPtr ChannelMouseOver, ChannelClick;  // own channels when the game has no channel pool
  int CircularCollisionRadius = 0;  // > 0: round hit area about the picture's centre
  int DragStartX = -1, DragStartY = -1;
  int DragOffsetX = 0, DragOffsetY = 0;
  float DoubleClickCounter = 0;
  float DoubleClickTime = 0;    // 0: double clicks off
  int FixedGlowOnMO = 0;        // glow to full on hover, fading after
  int FixedGlowOnMOUseMO = 0;   // show the hover picture while that glow shows
  int LastMouseDown = 0;
  float MouseClickCounter = 0;  // time left showing the pressed picture
  float MouseClickDuration = 0;
  int NoSound = 0;
  int OldRoundedCoords = 0;
  float ScaleOnMOMax = 1;       // 1: no growing
  float ScaleOnMO = 1;
  float ScaleOnMOUpSpeed = 0.03f, ScaleOnMODownSpeed = 0.01f;
  int ScaleOnMORoundCoords = 0;
  float ScaleOnMODelayFrames = 0;
  float ScaleOnMODelayCounter = 0;
  int ScaleOnMOStayOnScreen = 0;
  // Called after every draw with the button and the scale it was drawn at.
  std::function<void(TButton&, float, int)> ScaleOnMODrawUserFunction;
  int ScaleOnMOUseGlow = 1;     // 0: glow only at normal size

  // The one button being dragged, if any: while set, no other button reacts or grows.
  static inline TButton* DraggedButton = nullptr;

  ~TButton() override;

  static TButtonPtr CreateSpecial(const std::string& file, const std::string& moFile, const std::string& moSound,
                                  const std::string& clickSound);
  // Pictures file and moFile (".png", from GetPath), sounds from the sound folder (".wav").
  // File names are matched without regard to letter case.
  void Load(const std::string& file, const std::string& moFile, const std::string& moSound,
            const std::string& clickSound, int cellWidth = 0, int cellHeight = 0, int frames = 1);
  std::string GetPath() const;
  // A hover picture that does not exist falls back to the normal picture.
  void LoadImages(const std::string& file, const std::string& moFile, int cellWidth = 0, int cellHeight = 0,
                  int frames = 1);
  void LoadDisabled(const std::string& file, int clickDisabled);
  void LoadMouseClick(const std::string& file, int ms);
  // Pictures from the bank instead of files.
  void SetImages(std::shared_ptr<TGameImage> normal, std::shared_ptr<TGameImage> mouseOver = nullptr,
                 std::shared_ptr<TGameImage> click = nullptr);
  void SetImageScaled(std::shared_ptr<TGameImage> picture);
  void Init() override;
  void Precache();

  void SetupCaption(const std::string& text, TImageFontPtr imageFont, std::shared_ptr<TColor> color = nullptr,
                    std::shared_ptr<TShadow> shadow = nullptr, TBitmapFontPtr bitmapFont = nullptr,
                    std::shared_ptr<TColor> inverseColor = nullptr);
  void SetupCaptionDown(std::shared_ptr<TColor> color, float scale, float offsetX, float offsetY);
  // The caption in color at scale, shifted by (dx, dy) on top of the button's offset.
  void DrawCaption(const TColor* color, float scale, float dx = 0, float dy = 0);

  void SetupMouseRepeat(int initialDelayMS, int delayMS);
  void SetupScaleOnMO(float max, float upSpeed, float downSpeed, int delayMS);
  void SetFixedGlowOnMO(float max, float speed, int useMO);
  void SetAutoGlow(float min, float max, float speed, int onMO);
  void SetCircularCollision(int radius);
  void SetDoubleClickTime(int ms);
  void SetBoundingBox(float x1, float y1, float x2, float y2, int corners, int relative);
  void SetBoundingBoxAuto(float sx, float sy);

  void MoveBy(float dx, float dy);
  void MoveTo(float nx, float ny);
  // Centred across the screen at height y.
  void CentreX(float y) override;

  int GetDoubleClicked();
  void ClearClick();
  void ClearMouseOver();
  void ClearDoubleClick();
  void ResetScaleOnMO();
  void ClearDrag();
  void SimulateClick();
  // 1 when the click was taken.
  int Click(int repeat);
  void Kill() override;

  void Manage();
  void ManageNoSound();
  // 1 when the hover may grow the button now.
  int ManageMouseOverScale();
  void ManageScaleOnMO();
  void ManageDrag();
  void StartDrag();
  float GetMOScale() const;
  void ClampScaledCoords(float& px, float& py, float scale) const;
  void FixedGlowOnMOActivate();
  // Whether the pointer (logical pixels) lies on the hit area.
  bool HitTest(int mx, int my) const;

  virtual void PlayMouseOver();
  virtual void PlayClick();
  virtual void PlayClick2();

  void Draw() override;
  // 1 when something was drawn.
  int DrawButton();

 private:
  void PlaySound(const std::shared_ptr<TGameSound>& sound, TChannelPtr& channel);
  std::shared_ptr<TGameImage> LoadPicture(const std::string& file, int cellWidth, int cellHeight, int frames) const;
};
