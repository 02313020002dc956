#include "data/tdm1.h"

#include "data/store_error.h"

#include <memory>

namespace {
std::unique_ptr<TDM1>& module() {
    static std::unique_ptr<TDM1> instance;
    return instance;
}
}  // namespace

TDM1::TDM1(Database* database)
    : TBbucode(QStringLiteral("BUCODE.DB"), database),
      TBbudong(QStringLiteral("BUDONG.DB"), database),
      TBburequ(QStringLiteral("BUREQU.DB"), database),
      TBpict(QStringLiteral("pict.db"), database),
      TBmy(QStringLiteral("MY.DB"), database),
      TBcard(QStringLiteral("TB_CARDm.DB"), database),
      TBcont_2(QStringLiteral("cont_2"), database),
      TBmemo(QStringLiteral("MEMO.DB"), database),
      TBman(QStringLiteral("man.DB"), database),
      TBmancode(QStringLiteral("MANCODE.DB"), database),
      TBcardi(QStringLiteral("TB_CARDI.DB"), database),
      TBcont_1(QStringLiteral("cont_1"), database),
      TBcardMain(QStringLiteral("TB_CARD.DB"), database),
      TBjungGaForm(QStringLiteral("jungGa"), database),
      TBjungGaH(QStringLiteral("jungGaH"), database),
      TBdiary1(QStringLiteral("DIARY1.DB"), database) {
    TBpict.setIndexName(QStringLiteral("PICT_SCANBUD"));
}

TDM1& TDM1::instance() {
    auto& dm = module();
    if (!dm) throw StoreError(QStringLiteral("자료 모듈이 만들어지지 않았습니다."), QStringLiteral("TDM1 not created"));
    return *dm;
}

void TDM1::create(Database* database) { module() = std::make_unique<TDM1>(database); }

void TDM1::destroy() { module().reset(); }
