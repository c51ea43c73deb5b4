#include "import/jvlink_errors.h"

#include <map>

#include "app/sjis.h"

const std::string& JVLinkErrorText(int code) {
  static const std::map<int, std::string> texts = {
      {-1, SJ("該当データ無し")},
      {-100, SJ("パラメータが不正あるいはレジストリへの保存に失敗")},
      {-101, SJ("sidが設定されていない")},
      {-102, SJ("sidが64byteを超えている")},
      {-103, SJ("sidが不正（sidの１桁目がスペース）")},
      {-111, SJ("dataspecパラメータが不正")},
      {-112, SJ("fromtimeパラメータが不正")},
      {-114, SJ("keyパラメータが不正")},
      {-115, SJ("optionパラメータが不正")},
      {-116, SJ("dataspecとoptionの組み合わせが不正")},
      {-201, SJ("JVInitが行なわれていない")},
      {-202, SJ("前回のJVOpen/JVRTOpenに対してJVCloseが呼ばれていない（オープン中）")},
      {-203, SJ("JVOpenが行なわれていない")},
      {-211, SJ("レジストリ内容が不正（レジストリ内容が不正に変更された）")},
      {-301, SJ("認証エラー")},
      {-302, SJ("サービスキーの有効期限切れ")},
      {-303, SJ("サービスキーが設定されていない（サービスキーが空値）")},
      {-401, SJ("JV-Link内部エラー")},
      {-402, SJ("ダウンロードしたファイルが異常（ファイルサイズ＝０）")},
      {-403, SJ("ダウンロードしたファイルが異常（データ内容）")},
      {-411, SJ("サーバーエラー（HTTPステータス404NotFount）")},
      {-412, SJ("サーバーエラー（HTTPステータス403Forbidden）")},
      {-413, SJ("サーバーエラー（HTTPステータス200,403,404以外）")},
      {-421, SJ("サーバーエラー（サーバーの応答が不正）")},
      {-431, SJ("サーバーエラー（サーバーアプリケーション内部エラー）")},
      {-501, SJ("セットアップ処理においてＣＤ－ＲＯＭが無効")},
      {-502, SJ("ダウンロード失敗（通信エラーやディスクエラーなど）")},
      {-503, SJ("ファイルが見つからない")},
      {-504, SJ("サーバーメンテナンス中")},
  };
  static const std::string none;
  auto it = texts.find(code);
  return it == texts.end() ? none : it->second;
}

std::string JVLinkErrorMessage(int code) {
  const std::string& text = JVLinkErrorText(code);
  if (text.empty()) return text;
  return SJ("エラーコード:") + std::to_string(code) + "\n\n" + text + "\n\nby JRA-VAN Data Lab.";
}
