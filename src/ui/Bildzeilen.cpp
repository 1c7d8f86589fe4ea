#include "ui/Bildzeilen.h"

#include "ui_frmHaupt.h"

std::array<Bildzeile, 5> Bildzeilen(const Ui::frmHaupt& u) {
    return {{
        {u.chkBil1JaNEin, u.txtEbayBildPfad, u.txtBildLaenge, u.txtBildHohe, u.cmdSuchenBildOben1,
         u.cmdUmrechnenB1, u.picFoto1, u.lblBildBreite1, u.lblBildHoehe1},
        {u.chkBil2JaNEin, u.txtEbayBildPfad_b, u.txtBildLaenge_b, u.txtBildHohe_b, u.cmdSuchenBildOben2,
         u.cmdUmrechnenB2, u.picFoto2, u.lblBildBreite2, u.lblBildHoehe2},
        {u.chkBil3JaNEin, u.txtEbayBildPfad2, u.txtBildLaenge2, u.txtBildHohe2, u.cmdSuchenBildUnten1,
         u.cmdUmrechnenB3, u.picFoto3, u.lblBildBreite3, u.lblBildHoehe3},
        {u.chkBil4JaNEin, u.txtEbayBildPfad2_b, u.txtBildLaenge2_b, u.txtBildHohe2_b, u.cmdSuchenBildUnten2,
         u.cmdUmrechnenB4, u.picFoto4, u.lblBildBreite4, u.lblBildHoehe4},
        {u.chkBil5JaNEin, u.txtEbayBildPfad2_c, u.txtBildLaenge2_c, u.txtBildHohe2_c, u.cmdSuchenBildUnten3,
         u.cmdUmrechnenB5, u.picFoto5, u.lblBildBreite5, u.lblBildHoehe5},
    }};
}
