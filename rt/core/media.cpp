// Files and pictures: FolderItem, the resources folder and Picture.
#include "rt/media.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <utility>

#include "rt/core/clock.h"

namespace rt {

namespace {
QString Native(const std::string& path) {
  return QString::fromUtf8(path.data(), path.size());
}
}  // namespace

FolderItem::FolderItem(std::string path) : path_(std::move(path)) {}

std::string FolderItem::Name() const {
  return QFileInfo(Native(path_)).fileName().toStdString();
}

bool FolderItem::Exists() const {
  return QFileInfo::exists(Native(path_));
}

bool FolderItem::IsDirectory() const {
  return QFileInfo(Native(path_)).isDir();
}

Ref<FolderItem> FolderItem::Child(const std::string& name) const {
  if (!IsDirectory()) return nullptr;
  // A child is one name inside this folder, never a path that leads out.
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of(std::string("/\0", 2)) != std::string::npos) {
    return nullptr;
  }
  std::string path = path_;
  if (path.empty() || path.back() != '/') path += '/';
  return RuntimeNewObject<FolderItem>(path + name);
}

Ref<FolderItem> GetApplicationBundleResources() {
  // Asked anew each time: the folder may come or go while the program runs.
  QString path;
  const std::string& override = settings::ResourcesFolderOverride();
  if (!override.empty()) {
    path = Native(override);
  } else if (QCoreApplication::instance()) {
    path = QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources");
  } else {
    path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
           QStringLiteral("/../Resources");
  }
  const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
  if (!info.isDir()) return nullptr;
  return RuntimeNewObject<FolderItem>(info.absoluteFilePath().toStdString());
}

struct Picture::Impl {
  QPixmap pixmap;
};

Picture::Picture() : impl_(std::make_unique<Impl>()) {}

Picture::Picture(const QPixmap& pixmap, std::string source)
    : impl_(std::make_unique<Impl>()), source_(std::move(source)) {
  impl_->pixmap = pixmap;
}

Picture::~Picture() = default;

int32_t Picture::Width() const {
  return impl_->pixmap.width();
}
int32_t Picture::Height() const {
  return impl_->pixmap.height();
}
const QPixmap& Picture::pixmap() const {
  return impl_->pixmap;
}

Ref<Picture> FolderItem::OpenAsPicture() const {
  const QString path = Native(path_);
  if (!QFileInfo(path).isFile()) return nullptr;
  // The format comes from the content, not the name.
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  if (image.isNull()) return nullptr;
  const QPixmap pixmap = QPixmap::fromImage(image);
  if (pixmap.isNull()) return nullptr;
  return RuntimeNewObject<Picture>(pixmap, path_);
}

}  // namespace rt
