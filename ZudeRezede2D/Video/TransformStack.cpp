// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransformStack.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace zr2d {

TransformStack::TransformStack(const common::Point2D& screen, zr2d::VideoInfo& videoInfo)
    : screen_(screen), videoInfo_(videoInfo) {}

void TransformStack::Set2DView(const common::Point3D& eye, const common::Point3D& center,
                               const common::Point3D& up) {
    glViewport(0, 0, static_cast<GLsizei>(screen_.X()), static_cast<GLsizei>(screen_.Y()));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, screen_.X(), screen_.Y(), 0, -viewDepth_, viewDepth_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.X(), eye.Y(), eye.Z(), center.X(), center.Y(), center.Z(), up.X(), up.Y(),
              up.Z());
    glClear(GL_DEPTH_BUFFER_BIT);
}

void TransformStack::Set3DView(const common::Point3D& eye, const common::Point3D& center,
                               const common::Point3D& up) {
    const double halfW = screen_.X() / 2.0;
    const double halfH = screen_.Y() / 2.0;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, screen_.X() / screen_.Y(), -viewDepth_, viewDepth_);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.X() + halfW, eye.Y() + halfH, eye.Z() - 1000.0, center.X() + halfW,
              center.Y() + halfH, center.Z(), up.X(), up.Y(), up.Z());
    glClear(GL_DEPTH_BUFFER_BIT);
}

void TransformStack::Push(const std::optional<common::Point3D>& translation,
                          const std::optional<common::Point3D>& rotation,
                          const std::optional<common::Point3D>& scale) {
    videoInfo_.AddTransform();
    glPushMatrix();
    if (translation) glTranslatef(translation->X(), translation->Y(), translation->Z());
    if (rotation) {
        glRotatef(rotation->X(), 1, 0, 0);
        glRotatef(rotation->Y(), 0, 1, 0);
        glRotatef(rotation->Z(), 0, 0, 1);
    }
    if (scale) glScalef(scale->X(), scale->Y(), scale->Z());
}

void TransformStack::PushIdentity() {
    glPushMatrix();
    glLoadIdentity();
}

void TransformStack::Pop() { glPopMatrix(); }

std::array<float, 16> TransformStack::ModelViewMatrix() const {
    std::array<float, 16> matrix{};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix.data());
    return matrix;
}

}  // namespace zr2d
