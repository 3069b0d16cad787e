#pragma once
// The sprite surface: a control that shows sprites over a tiled backdrop and, frame by
// frame, tells its owner which sprites touch.
//
// Call protocol: Update() runs one whole frame inside the call:
//   1. Event_NextFrame() once (sprites may move, be attached or closed);
//   2. contacts are judged on the positions after step 1, and Event_Collision(a, b) is
//      raised once per touching pair, in attach order: pairs sorted by a, then b, where a
//      is the earlier-attached sprite;
//   3. a repaint is requested.
// A sprite attached during step 2 takes part from the next frame on; a sprite closed
// before a pair of it is reported is not reported (nor when it was attached again since).
// A handler may run Update again; that frame runs whole, then the outer one goes on.
// Frames come only from Update.
//
// Two sprites touch when opaque pixels of their images overlap (bounding boxes first).
// Groups: 0 never collides; a negative group collides with every non-zero group, its own
// included; two positive groups collide only when they differ.
//
// Painting: the backdrop tiled from the surface's top-left corner, then the sprites in
// attach order at their X, Y, clipped to the surface.

#include "platform/Control.h"
#include "platform/Picture.h"

#include <functional>
#include <memory>
#include <vector>

class SpriteSurface;

class Sprite : public Object {
  public:
    ~Sprite() override;

    int X = 0;
    int Y = 0;
    std::shared_ptr<Picture> Image;
    int Group = 0;

    // Takes the sprite off its surface. The object, its X, Y and Image survive, and it can
    // be attached again.
    virtual void Close();

    // The surface the sprite is attached to, or nullptr.
    SpriteSurface* surface() const { return surface_; }

  private:
    friend class SpriteSurface;
    SpriteSurface* surface_ = nullptr; // not owning: the surface owns its sprites
    uint64_t attachSerial_ = 0;        // new for every Attach: tells a re-attached sprite apart
};

// Whether sprites of these two groups can touch.
bool GroupsCollide(int a, int b);

class SpriteSurface : public RectControl {
  public:
    using SpritePtr = std::shared_ptr<Sprite>;

    SpriteSurface();
    ~SpriteSurface() override;

    // Puts the sprite on this surface, after those already on it. A sprite on another
    // surface is taken off that one first; one already here stays where it is.
    void Attach(const SpritePtr& sprite);
    // One frame (see the protocol above).
    void Update();

    std::shared_ptr<Picture> Backdrop;
    int FrameSpeed = 0;
    bool ClickToStop = false;

    // The events. By default they call the NextFrame and Collision functions, if set, so a
    // surface can be driven on its own; subclasses override them.
    virtual void Event_NextFrame();
    virtual void Event_Collision(const SpritePtr& a, const SpritePtr& b);
    std::function<void()> NextFrame;
    std::function<void(const SpritePtr&, const SpritePtr&)> Collision;

    // The sprites on the surface, in attach order.
    const std::vector<SpritePtr>& attached() const { return attached_; }
    // The touching pairs on the current positions, in reporting order.
    std::vector<std::pair<SpritePtr, SpritePtr>> contacts() const;
    // Paints the surface into a new picture of its size, as its widget shows it: a white
    // ground, the backdrop, the sprites.
    std::shared_ptr<Picture> Snapshot() const;

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* createWidget(QWidget* parent) override;

  private:
    friend class Sprite;
    void detach(Sprite* sprite);
    // Fills the scratch list of touching pairs (attach indices, in reporting order).
    void findContacts() const;

    std::vector<SpritePtr> attached_;
    // Scratch space of the contact search, kept between frames to avoid allocations.
    struct Scratch;
    std::unique_ptr<Scratch> scratch_;
    int updateDepth_ = 0; // an Update run from inside a handler of this surface's Update
};

// Whether the opaque pixels of two images overlap when their top-left corners stand at
// (ax, ay) and (bx, by).
bool ImagesOverlap(const Picture& a, int ax, int ay, const Picture& b, int bx, int by);
