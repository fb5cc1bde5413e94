// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Common/Exception.h"
#include "Support/VideoFixture.h"
#include "ZudeRezede2D/Video/Data/IndexedVertices.h"

namespace zr2d::test {
namespace {

const char* const kCube = R"(# a textured quad and a triangle
mtllib cube.mtl
v 0 0 0
v 1 0 0
v 1 1 0
v 0 1 0
vt 0.25 0.75 0
vn 0 0 1
f 1/1/1 2/1/1 3/1/1 4/1/1
o front
usemtl blue
f 1/1/1 2/1/1 3/1/1
usemtl red
o back
f 3/1/1 4/1/1 1/1/1
)";

class MeshLoadingTest : public GlTest {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        const auto path = Folder() / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    // The message of the failed load.
    std::string LoadError(const std::string& objText) {
        const std::string file = Write("bad.obj", objText);
        try {
            engine().Factory().LoadMesh(file);
        } catch (const common::Exception& error) {
            return error.what();
        }
        ADD_FAILURE() << "the load did not fail";
        return "";
    }
    // Four positions, one texture coordinate, one normal; the face line is appended.
    static std::string Square(const std::string& faceLine) {
        return "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0 0\nvn 0 0 1\n" + faceLine + "\n";
    }
};

TEST_F(MeshLoadingTest, ReadsPositionsGroupsAndQualifiedMaterials) {
    Convert("-size 8x8 xc:red", "red.png");
    Write("cube.mtl",
          "newmtl blue\nKd 0 0 1\nnewmtl red\nmap_Kd red.png\nnewmtl gone\nmap_Kd missing.png\n");
    const std::string file = Write("cube.obj", kCube);

    const auto mesh = engine().Factory().LoadMesh(file);
    ASSERT_EQ(mesh->Positions().size(), 4u);
    EXPECT_FLOAT_EQ(mesh->Positions()[2].y, 1.0f);
    ASSERT_EQ(mesh->TexCoords().size(), 1u);
    EXPECT_FLOAT_EQ(mesh->TexCoords()[0].x, 0.25f);
    EXPECT_FLOAT_EQ(mesh->TexCoords()[0].y, 0.25f);  // v counted from the top
    EXPECT_FLOAT_EQ(mesh->TexCoords()[0].z, 0.0f);

    // Faces before the first object line belong to the first named group; a group takes the
    // material current when it closes.
    const auto& groups = mesh->Groups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "front");
    EXPECT_EQ(groups[0].faces.size(), 3u);
    ASSERT_TRUE(groups[0].material);
    EXPECT_EQ(groups[0].material->Name(), "cube.obj.red");
    EXPECT_EQ(groups[1].name, "back");
    EXPECT_EQ(groups[1].faces[0].indices[0].vertex, 2);

    // Registered under the file name; a texture that cannot be loaded leaves it untextured.
    const auto red = engine().Materials().Get("cube.obj.red");
    ASSERT_TRUE(red);
    ASSERT_TRUE(red->Texture());
    EXPECT_EQ(red->Texture()->Surfaces()->Size().X(), 8);
    ASSERT_TRUE(engine().Materials().Get("cube.obj.blue"));
    EXPECT_FALSE(engine().Materials().Get("cube.obj.blue")->Texture());
    ASSERT_TRUE(engine().Materials().Get("cube.obj.gone"));
    EXPECT_FALSE(engine().Materials().Get("cube.obj.gone")->Texture());
    EXPECT_FALSE(engine().Materials().Get("red"));
}

TEST_F(MeshLoadingTest, AFileWithoutObjectLinesIsOneUnnamedGroup) {
    const auto mesh = engine().Factory().LoadMesh(Write("plain.obj", Square("f 1 2 3 4")));
    ASSERT_EQ(mesh->Groups().size(), 1u);
    EXPECT_EQ(mesh->Groups()[0].name, "");
    EXPECT_EQ(mesh->Groups()[0].faces.size(), 2u);
    EXPECT_FALSE(mesh->Groups()[0].material);

    const auto empty = engine().Factory().LoadMesh(Write("empty.obj", ""));
    ASSERT_EQ(empty->Groups().size(), 1u);
    EXPECT_TRUE(empty->Groups()[0].faces.empty());
}

TEST_F(MeshLoadingTest, BadNumbersFailTheWholeLoad) {
    const std::string prefix =
        "Fehler beim erstellen von " + (Folder() / "bad.obj").string() + "\n";
    EXPECT_EQ(LoadError("v 0 0 0\nvt 0.25 0.75\n"),
              prefix + "drei Zahlen erwartet, gefunden 2: '0.25 0.75'");
    EXPECT_EQ(LoadError("v 0 x 0\n"), prefix + "'x' ist keine Zahl");
    EXPECT_EQ(LoadError("mtllib none.mtl\n"),
              prefix + "Fehler in Materialdatei: " + (Folder() / "none.mtl").string() + "\nDatei " +
                  (Folder() / "none.mtl").string() + " ist nicht vorhanden");

    Write("early.mtl", "map_Kd red.png\nnewmtl red\n");
    EXPECT_EQ(LoadError("mtllib early.mtl\n"),
              prefix + "Fehler in Materialdatei: " + (Folder() / "early.mtl").string() +
                  "\nmap_Kd ohne vorheriges newmtl");

    const std::string missing = (Folder() / "missing.obj").string();
    try {
        engine().Factory().LoadMesh(missing);
        ADD_FAILURE() << "the load did not fail";
    } catch (const common::Exception& error) {
        EXPECT_EQ(std::string(error.what()), "Fehler beim erstellen von " + missing + "\nDatei " +
                                                 missing + " ist nicht vorhanden");
    }
}

TEST_F(MeshLoadingTest, FaceNumbersOutsideTheirListsAreRejected) {
    const std::string prefix =
        "Fehler beim erstellen von " + (Folder() / "bad.obj").string() + "\n";
    EXPECT_EQ(LoadError(Square("f 1/1/1 2/1/1 99/1/1")),
              prefix +
                  "Fläche 1 der Gruppe \"\": Position 99 liegt außerhalb der Liste (4 "
                  "Positionen)");
    // An empty texture number reads as 0, stored as -1.
    EXPECT_EQ(LoadError(Square("o box\nf 1/1/1 2/1/1 3/1/1\nf 1//1 3//1 4//1")),
              prefix +
                  "Fläche 2 der Gruppe \"box\": Texturkoordinate 0 liegt außerhalb der "
                  "Liste (1 Texturkoordinaten)");
    // Relative numbers are not supported.
    EXPECT_EQ(LoadError(Square("f -1/1/1 -2/1/1 -3/1/1")),
              prefix +
                  "Fläche 1 der Gruppe \"\": Position -1 liegt außerhalb der Liste (4 "
                  "Positionen)");
    // Without normals, the default normal number 0 names nothing.
    EXPECT_EQ(LoadError("v 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0 0 0\nf 1 2 3\n"),
              prefix +
                  "Fläche 1 der Gruppe \"\": Normale 1 liegt außerhalb der Liste (0 "
                  "Normalen)");
    // Positions may follow the faces that use them.
    EXPECT_NO_THROW(engine().Factory().LoadMesh(
        Write("late.obj", "vt 0 0 0\nvn 0 0 1\nf 1 2 3\nv 0 0 0\nv 1 0 0\nv 1 1 0\n")));
}

}  // namespace
}  // namespace zr2d::test
